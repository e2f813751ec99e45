// Vardeln — MIT licence, see LICENSE.
// Debian's Chromium, headless, as root and with no display, driven by playwright-core; nothing
// is downloaded. Each test gets a fresh profile, unless it keeps one to come back to.
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

// The page's npm packages live beside its sources, in web/node_modules.
export const webDir = join(dirname(fileURLToPath(import.meta.url)), '..', '..', 'web');
export const requireFromWeb = createRequire(join(webDir, 'package.json'));
const { chromium } = requireFromWeb('playwright-core');

export const chromiumFlags = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

export async function launchChromium() {
  return chromium.launch({
    executablePath: process.env.VARDELN_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: chromiumFlags,
  });
}

// Chromium with a profile kept in `profileDir`, as a returning user's browser keeps its caches
// and service workers between visits. The browser ends when the context is closed.
export async function launchChromiumProfile(profileDir, options = {}) {
  return chromium.launchPersistentContext(profileDir, {
    executablePath: process.env.VARDELN_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: chromiumFlags,
    ...options,
  });
}

// A page of the site in a new browser context, with the engine loaded and the first
// conversion shown.
export async function openSite(browser, url, options = {}) {
  const context = await browser.newContext(options);
  const page = await context.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(String(error)));
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(message.text());
  });
  await page.goto(url);
  await page.waitForSelector('html[data-ready="true"]');
  return { context, page, problems };
}
