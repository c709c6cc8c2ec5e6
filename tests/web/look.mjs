// Screenshots and the printed PDF of the page, to look at (not a test):
//   node look.mjs SITE OUTDIR
import { launch, newPage, open } from './browser.mjs';
import { serve } from './serve.mjs';
import { mkdirSync } from 'node:fs';

const [site, out] = process.argv.slice(2);
mkdirSync(out, { recursive: true });
const { server, origin } = await serve(site);
const browser = await launch();
try {
  for (const width of [360, 1280]) {
    const page = await newPage(browser);
    await page.setViewport({ width, height: width === 360 ? 740 : 900 });
    await open(page, origin);
    await page.screenshot({ path: `${out}/form-${width}.png`, fullPage: true });
    await page.click('#cargo');
    await page.click('#codcargo', { clickCount: 3 });
    await page.type('#codcargo', '604');
    await page.type('#docente', 'Pérez, Ana María');
    await page.click('#Option5');
    await page.select('#zona', '2');
    for (const id of ['hijos', 'Iosper', 'APORTEJUB', 'Ley4035', 'transporte']) await page.click(`#${id}`);
    await page.click('#cantidadhijos');
    await page.type('#cantidadhijos', '2');
    await page.screenshot({ path: `${out}/form-filled-${width}.png`, fullPage: true });
    await page.click('#Command1');
    await page.waitForSelector('#Haberes:not([hidden])');
    await page.screenshot({ path: `${out}/payslip-${width}.png`, fullPage: true });
    if (width === 1280) await page.pdf({ path: `${out}/payslip.pdf`, format: 'A4' });
    await page.close();
  }
} finally {
  await browser.close();
  server.close();
}
