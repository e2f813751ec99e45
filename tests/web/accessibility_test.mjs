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

    await page.evaluate(() => { document.getElementById('updateNotice').hidden = false; });
    await page.getByText('Numbers').click();
    assert.deepEqual(await violations(page), [], 'with the update notice and the number setting');

    await page.getByRole('button', { name: 'Find a unit...' }).click();
    await page.keyboard.type('marla');
    await page.screenshot({ path: join(screenshotDir, `web-${screen.name}-finder.png`) });
    assert.deepEqual(await violations(page), [], 'with the finder open');
    await page.keyboard.press('Escape');

    await page.getByRole('button', { name: 'About...' }).click();
    assert.deepEqual(await violations(page), [], 'with the About text open');
    await context.close();
  });
}

// A 320-pixel phone, a 360-pixel one with the text at 125 % and 200 % (the browser's own text
// size), a 320-pixel touch screen at 200 % with its thumb-sized controls, and the page zoomed
// to 400 % (90 pixels of four times the size): no unit name is cut off in a closed list, the
// whole result shows, and nothing needs scrolling sideways.
const enlarged = [
  { name: '320', viewport: { width: 320, height: 640 }, deviceScaleFactor: 1, textSize: 16 },
  { name: '360-text-125', viewport: { width: 360, height: 740 }, deviceScaleFactor: 1, textSize: 20 },
  { name: '360-text-200', viewport: { width: 360, height: 740 }, deviceScaleFactor: 1, textSize: 32 },
  { name: '360-zoom-400', viewport: { width: 90, height: 185 }, deviceScaleFactor: 4, textSize: 16 },
  { name: '320-touch-text-200', viewport: { width: 320, height: 640 }, deviceScaleFactor: 1, textSize: 32,
    hasTouch: true },
];
for (const { name, viewport, deviceScaleFactor, textSize, hasTouch = false } of enlarged) {
  test(`every unit name and the whole result stay readable at ${name}`, async () => {
    const context = await session.browser.newContext({ viewport, deviceScaleFactor, hasTouch,
                                                       isMobile: hasTouch });
    const page = await context.newPage();
    const chromium = await context.newCDPSession(page);
    await chromium.send('Page.enable');
    await chromium.send('Page.setFontSizes', { fontSizes: { standard: textSize, fixed: textSize } });
    await page.goto(session.server.url + '#area/1e300/Rod-Perch-Pole%20Square/Hectares');
    await page.waitForSelector('html[data-ready="true"]');
    mkdirSync(screenshotDir, { recursive: true });
    await page.locator('#outputUnit').scrollIntoViewIfNeeded();
    await page.screenshot({ path: join(screenshotDir, `web-${name}.png`) });

    const cutOff = await page.evaluate(() => {
      const $ = (id) => document.getElementById(id);
      const ruler = document.createElement('canvas').getContext('2d');
      // A name wider than its list's line must have made the list grow to more lines.
      const whole = (list) => {
        const style = getComputedStyle(list);
        const size = parseFloat(style.fontSize);
        ruler.font = `${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
        const padding = (side) => parseFloat(style[`padding${side}`]);
        const line = list.clientWidth - padding('Left') - padding('Right') - size;
        const height = list.clientHeight - padding('Top') - padding('Bottom');
        return ruler.measureText(list.value).width <= line || height >= 2 * size;
      };
      const found = [];
      for (const category of $('category').options) {
        $('category').value = category.value;
        $('category').dispatchEvent(new Event('change'));
        for (const { value } of $('inputUnit').options) {
          $('inputUnit').value = $('outputUnit').value = value;
          if (!whole($('inputUnit'))) found.push(`${category.value}: ${value}`);
        }
      }
      $('inputText').value = '-1.7976931348623157e308';
      $('inputText').dispatchEvent(new Event('input'));
      const result = $('outputText');
      if (result.scrollWidth > result.clientWidth) found.push(`result ${result.value}`);
      if (document.documentElement.scrollWidth > innerWidth) found.push('the page scrolls sideways');
      return found;
    });
    assert.deepEqual(cutOff, []);
    await context.close();
  });
}
