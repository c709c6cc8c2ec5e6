// Debian's Chromium, headless, driven by puppeteer-core; pages that see the
// given browser language, as a phone set to it would.
import puppeteer from 'puppeteer-core';

export const launch = () => puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  // Chromium's sandbox refuses to run as root.
  args: process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : [],
});

export const newPage = async (browser, language = 'es-AR') => {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument((lang) => {
    Object.defineProperty(navigator, 'language', { get: () => lang });
    Object.defineProperty(navigator, 'languages', { get: () => [lang] });
  }, language);
  await page.setExtraHTTPHeaders({ 'Accept-Language': language });
  return page;
};

// The page loaded and its engine ready.
export const open = async (page, url) => {
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForSelector('body[data-listo]');
};
