// How long the page takes from navigation to its first payslip shown,
// against a blank page from the same server, in headless Chromium; and the
// sizes of what it loads. A measurement, not a test:
//   node bench_load.mjs SITE [RUNS]
import { readdirSync, readFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import path from 'node:path';
import { launch, newPage } from './browser.mjs';
import { serve } from './serve.mjs';

const [site, runsArg] = process.argv.slice(2);
const runs = Number(runsArg || 10);
for (const f of readdirSync(site).filter((f) => /\.(js|wasm|css|html)$/.test(f)).sort()) {
  const body = readFileSync(path.join(site, f));
  console.log(`${f}: ${body.length} bytes, ${gzipSync(body, { level: 9 }).length} gzip`);
}
const { server, origin } = await serve(site);
const browser = await launch();
const median = (xs) => xs.sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const blank = [];
const payslip = [];
try {
  for (let i = 0; i < runs; i++) {
    // A fresh context each run: nothing cached, no service worker.
    const context = await browser.createBrowserContext();
    const page = await newPage(context);
    const t0 = Date.now();
    await page.goto(`${origin}/blank.html`, { waitUntil: 'load' });
    blank.push(Date.now() - t0);
    const t1 = Date.now();
    await page.goto(origin, { waitUntil: 'domcontentloaded' });
    await page.waitForSelector('body[data-listo]', { polling: 'mutation' });
    await page.click('#horasmedio');
    await page.click('#Command1');
    await page.waitForSelector('#Haberes:not([hidden])', { polling: 'mutation' });
    payslip.push(Date.now() - t1);
    await context.close();
  }
} finally {
  await browser.close();
  server.close();
}
console.log(`blank page: median ${median(blank)} ms; page to first payslip: median ${median(payslip)} ms (${runs} runs)`);
