// Vardeln — MIT licence, see LICENSE.
// axe-core finds no violation in the page, light or dark, on a phone or a desktop, with the
// About text open; the page fits a 360-pixel screen; and screenshots are taken at both widths.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { openSite, requireFromWeb } from './browser.mjs';
import { siteSession } from './site_session.mjs';
import { siteDir } from './test_setup.mjs';

const axeSource = readFileSync(requireFromWeb.resolve('axe-core/axe.min.js'), 'utf8');
const screenshotDir = process.env.VARDELN_SCREENSHOTS ?? join(siteDir, '..', 'screenshots');

const session = siteSession();

const screens = [
  { name: '360', viewport: { width: 360, height: 740 }, colorScheme: 'light' },
  { name: '1280', viewport: { width: 1280, height: 800 }, colorScheme: 'light' },
  { name: '360-dark', viewport: { width: 360, height: 740 }, colorScheme: 'dark' },
  { name: '1280-dark', viewport: { width: 1280, height: 800 }, colorScheme: 'dark' },
];

async function violations(page) {
  const results = await page.evaluate(async () => window.axe.run(document));
  assert.ok(results.passes.length > 10, 'axe checked the page');
  return results.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`);
}

for (const screen of screens) {
  test(`no accessibility violation at ${screen.name}`, async () => {
    // The page's own policy admits only its own scripts; the checker is let in for the test.
    const address = session.server.url + '#area/1/Hectares/Marla';
    const { page, context } = await openSite(session.browser, address, {
      viewport: screen.viewport, colorScheme: screen.colorScheme, bypassCSP: true });
    await page.addScriptTag({ content: axeSource });
    assert.deepEqual(await violations(page), [], 'the converter');

    const width = await page.evaluate(() => document.documentElement.scrollWidth);
    assert.ok(width <= screen.viewport.width, `fits ${screen.viewport.width} pixels (${width})`);
    mkdirSync(screenshotDir, { recursive: true });
    await page.screenshot({ path: join(screenshotDir, `web-${screen.name}.png`) });

    await page.locator('#category').selectOption('length');
    await page.locator('#inputText').fill('1e308');
    await page.locator('#inputUnit').selectOption('Light Year');
    assert.deepEqual(await violations(page), [], 'with the fault note');

    await page.getByRole('button', { name: 'About...' }).click();
    assert.deepEqual(await violations(page), [], 'with the About text open');
    await context.close();
  });
}
