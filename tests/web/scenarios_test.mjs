// Vardeln — MIT licence, see LICENSE.
// The table of user scenarios, driven through the page's lists, number box and buttons in
// Chromium: the page shows what the converter holds, as the window does.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { openSite } from './browser.mjs';
import { siteSession } from './site_session.mjs';
import { readScenarios } from './scenario_table.mjs';

const session = siteSession();

async function click(page, button) {
  await page.click(`#${button}Button`);
  await page.waitForSelector('#converter:not([aria-busy="true"])');
}

async function carryOut(page, { verb, text }) {
  if (verb === 'category') return page.selectOption('#category', text);
  if (verb === 'from') return page.selectOption('#inputUnit', text);
  if (verb === 'to') return page.selectOption('#outputUnit', text);
  if (verb === 'type') return page.locator('#inputText').fill(text);
  if (text !== undefined) await page.evaluate((t) => navigator.clipboard.writeText(t), text);
  if (['paste', 'cut', 'reset'].includes(verb)) return click(page, verb);
  throw new Error(`no command ${verb}`);
}

for (const scenario of readScenarios()) {
  test(scenario.name, async () => {
    const { page, context, problems } = await openSite(session.browser, session.server.url, {
      permissions: ['clipboard-read', 'clipboard-write'] });
    for (const command of scenario.commands) await carryOut(page, command);
    const shown = await page.evaluate(() => {
      const $ = (id) => document.getElementById(id);
      return {
        number: $('inputText').value,
        result: $('outputText').value,
        note: $('faultNote').hidden ? '' : $('faultNote').textContent,
        stale: $('outputText').getAttribute('aria-description') ?? '',
      };
    });
    // Where no number stands as the result, the page's Copy leaves the clipboard alone.
    const { name, commands, ...expected } = scenario;
    await page.evaluate(() => navigator.clipboard.writeText('kept'));
    await click(page, 'copy');
    shown.copy = await page.evaluate(() => navigator.clipboard.readText());
    if (expected.stale !== '' || ['', 'Invalid Number'].includes(expected.result)) {
      assert.equal(shown.copy, 'kept');
      shown.copy = expected.copy;
    }
    assert.deepEqual(shown, expected);
    assert.deepEqual(problems, []);
    await context.close();
  });
}
