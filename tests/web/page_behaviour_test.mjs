// Vardeln — MIT licence, see LICENSE.
// What is the page's own, driven with the keyboard and the mouse in Chromium: start-up,
// typing, choosing units and categories, the browser's clipboard and a paste into the box,
// the About text, and the page asking nothing of any other site. What the converter does
// with the user's commands is the scenario table's (scenarios_test.mjs).
import { test, beforeEach, afterEach } from 'node:test';
import assert from 'node:assert/strict';
import { openSite } from './browser.mjs';
import { siteSession } from './site_session.mjs';
import { converted, nativeVersion, unitsOf } from './native_convert.mjs';

const session = siteSession();
let page;
let context;
let problems;
beforeEach(async () => {
  ({ page, context, problems } = await openSite(session.browser, session.server.url, {
    permissions: ['clipboard-read', 'clipboard-write'] }));
});
afterEach(async () => {
  assert.deepEqual(problems, [], 'no script error or console error');
  await context.close();
});

const value = (id) => page.locator(`#${id}`).inputValue();
const result = () => page.locator('#outputText').textContent();
const clipboard = () => page.evaluate(() => navigator.clipboard.readText());
const setClipboard = (text) => page.evaluate((t) => navigator.clipboard.writeText(t), text);
const focused = () => page.evaluate(() => document.activeElement?.id);
const title = (id) => page.locator(`#${id}`).getAttribute('title');

// The clipboard commands finish after the click returns: wait until what they do shows.
async function eventually(read, expected, message) {
  const deadline = Date.now() + 5000;
  let actual = await read();
  while (actual !== expected && Date.now() < deadline) {
    await new Promise((done) => setTimeout(done, 20));
    actual = await read();
  }
  assert.equal(actual, expected, message);
}

async function typeNumber(text) {
  await page.locator('#inputText').fill('');
  await page.locator('#inputText').pressSequentially(text);
}

test('starts on Area, 0 Acres in Acres, with the focus in the number box', async () => {
  assert.equal(await value('category'), 'area');
  assert.equal(await value('inputText'), '0');
  assert.equal(await value('inputUnit'), 'Acres');
  assert.equal(await value('outputUnit'), 'Acres');
  assert.equal(await result(), '0');
  assert.equal(await focused(), 'inputText');
  for (const id of ['inputText', 'inputUnit', 'outputText', 'outputUnit']) {
    assert.equal(await title(id), 'Acres', `${id} names its unit`);
  }
  assert.equal(await page.title(), `Vardeln v${nativeVersion}`);
  assert.equal(await title('findButton'), 'Ctrl+K', 'no "/" in the box, where it is typed');
  await page.keyboard.press('5');
  assert.equal(await value('inputText'), '5', 'the first key replaces the "0"');
});

test('recalculates on every keystroke; text that is no number shows "Invalid Number"', async () => {
  await page.selectOption('#inputUnit', 'Hectares');
  await page.locator('#inputText').fill('');
  // Enter converts nothing more and sends the form nowhere.
  const steps = [['1', '1'], ['5', '15'], ['a', '15a'], ['Backspace', '15'], ['Backspace', '1'],
                 ['Backspace', ''], ['2', '2'], ['Enter', '2']];
  for (const [key, text] of steps) {
    await page.locator('#inputText').press(key);
    assert.equal(await value('inputText'), text);
    assert.equal(await result(), converted('area', text, 'Hectares', 'Acres'), `after "${text}"`);
  }
});

test('choosing a unit with the keyboard recalculates and names only that side', async () => {
  await typeNumber('3');
  const area = unitsOf('area');
  await page.locator('#outputUnit').focus();
  await page.keyboard.press('ArrowDown');
  assert.equal(await value('outputUnit'), area[1]);
  assert.equal(await result(), converted('area', '3', area[0], area[1]));
  assert.equal(await title('outputUnit'), area[1]);
  assert.equal(await title('outputText'), area[1]);
  assert.equal(await title('inputUnit'), area[0]);
  assert.equal(await title('inputText'), area[0]);
  // "How" shows the two rules the result comes from (Acres to Ares).
  assert.equal(await page.locator('#howFromBase').textContent(), 'from Meters Square: result = B ÷ 100');
});

test('a category change refills both lists and starts both on its first unit', async () => {
  await typeNumber('2');
  await page.selectOption('#inputUnit', { index: 3 });
  for (const category of ['volume', 'power', 'pressure', 'temperature', 'area']) {
    await page.selectOption('#category', category);
    const units = unitsOf(category);
    for (const list of ['inputUnit', 'outputUnit']) {
      const shown = await page.locator(`#${list} option`).allTextContents();
      assert.deepEqual(shown, units, `${category}: ${list} holds the category's units`);
      assert.equal(await value(list), units[0]);
    }
    assert.equal(await result(), converted(category, '2', units[0], units[0]));
  }
});

test('compound units follow the units under their own heading, both ways and in a link', async () => {
  await page.selectOption('#category', 'length');
  assert.deepEqual(await page.locator('#inputUnit optgroup[label="Compound units"] option').allTextContents(),
                   ['Miles, Yard-Gaz, Feet and Inches', 'Yard-Gaz, Feet and Inches', 'Feet and Inches']);
  await page.selectOption('#inputUnit', 'Feet and Inches');
  await page.selectOption('#outputUnit', 'Meters');
  await typeNumber('5 7 3/16');
  assert.equal(await result(), converted('length', '5 7 3/16', 'Feet and Inches', 'Meters'));
  await page.selectOption('#inputUnit', 'Meters');
  await page.selectOption('#outputUnit', 'Feet and Inches');
  await typeNumber('1.7018');
  assert.equal(await result(), '5 ft 7.000002144 in');
  await page.evaluate(() => { location.hash = '#length/5%207%203%2F16/Feet%20and%20Inches/Meters'; });
  await eventually(() => value('inputText'), '5 7 3/16', 'the link reopens the quantity');
  assert.equal(await value('inputUnit'), 'Feet and Inches');
});

// The switch, the link that holds it and a reload: today's definitions convert the typed
// decimal exactly, show how, and mark and refuse a unit with none; a link without "today/" is
// by the legacy tables.
test('the definitions switch, in the link and after a reload', async () => {
  const today = page.getByRole('radio', { name: 'Today\'s definitions' });
  await page.evaluate(() => { location.hash = '#length/0.1/Feet/Meters'; });
  await eventually(result, converted('length', '0.1', 'Feet', 'Meters'));
  await today.check();
  assert.equal(await result(), '0.03048');
  assert.match(await page.locator('#howFromBase').textContent(), /= 381\/12500 exactly; /);
  await page.waitForURL(/#today\/length\/0\.1\/Feet\/Meters$/);
  await page.reload();
  await page.waitForSelector('html[data-ready="true"]');
  assert.ok(await today.isChecked());
  assert.equal(await result(), '0.03048');
  await page.evaluate(() => { location.hash = '#today/area/1/Bigha/Acres'; });
  await eventually(() => page.locator('#inputUnit option:checked').textContent(),
                   'Bigha (no definition today)');
  assert.match(await page.locator('#faultNote').textContent(), /^Bigha has no single definition today/);
  await page.evaluate(() => { location.hash = '#length/0.1/Feet/Meters'; });
  await eventually(() => page.getByRole('radio', { name: 'Legacy tables' }).isChecked(), true);
});

// A browser that refuses the clipboard: the note names the keys of the user's system.
const systems = [
  ['Linux', {}, 'use the keyboard (Ctrl+C, Ctrl+V) in the number box'],
  ['a Mac', { userAgent: 'Mozilla/5.0 (Macintosh; Intel Mac OS X 14_0) Safari/605.1.15' },
   'use the keyboard (⌘C, ⌘V) in the number box'],
  ['an iPhone', { userAgent: 'Mozilla/5.0 (iPhone; CPU iPhone OS 17_0 like Mac OS X) Safari/604.1',
                  isMobile: true, hasTouch: true },
   'touch and hold the number box for its own Cut, Copy and Paste'],
];
test('a refused clipboard points to the keys of the user\'s system', async () => {
  for (const [system, options, hint] of systems) {
    const refusing = await openSite(session.browser, session.server.url, options);
    await refusing.page.click('#pasteButton');
    await eventually(() => refusing.page.locator('#commandNote').textContent(),
                     `Paste needs the clipboard, which the browser refused; ${hint}.`, system);
    await refusing.context.close();
  }
});

test('Paste replaces the number with the clipboard text and recalculates', async () => {
  await setClipboard(' 2.5e1 ');
  await page.getByRole('button', { name: 'Paste' }).click();
  await eventually(() => value('inputText'), ' 2.5e1 ');
  assert.equal(await result(), converted('area', ' 2.5e1 ', 'Acres', 'Acres'));
  assert.equal(await clipboard(), ' 2.5e1 ', 'the clipboard is left as it was');
  // A NUL ends no number early: the whole text is read, and it is not a number.
  await setClipboard('1\u0000');
  await page.getByRole('button', { name: 'Paste' }).click();
  await eventually(() => value('inputText'), '1\u0000');
  assert.equal(await result(), 'Invalid Number');
});

// Ctrl+V in the box gives the converter the text the box would hold, as Paste gives it the
// clipboard's: the converter, not the browser, decides what a line break or a long text gives.
test('Ctrl+V in the number box goes through the converter', async () => {
  await typeNumber('1');
  await setClipboard('2\n3');
  await page.locator('#inputText').press('Control+V');
  assert.equal(await value('inputText'), '12 3');
  await setClipboard('9'.repeat(5000));
  await page.locator('#inputText').press('Control+V');
  assert.equal(await value('inputText'), '12 3');
  assert.equal(await page.locator('#faultNote').textContent(), 'Too long: over 4096 characters');
});

// Each text comes back with the result that went with it: Reset's empty box showed nothing,
// Cut's "Invalid Number".
const undoSteps = [['Control+V', '1234', '1234'], ['Control+Z', '12', '12'], ['reset', '', ''],
                   ['Control+Z', '12', '12'], ['Control+Shift+Z', '', ''], ['Control+Z', '12', '12'],
                   ['cut', '', 'Invalid Number'], ['Control+Z', '12', '12'],
                   ['Control+Shift+Z', '', 'Invalid Number']];
test('undo and redo in the number box as in any text box, after a paste, Reset and Cut too', async () => {
  const box = page.locator('#inputText');
  await typeNumber('12');
  await setClipboard('34');
  for (const [key, text, shown] of undoSteps) {
    if (key === 'reset' || key === 'cut') await page.click(`#${key}Button`);
    else await box.press(key);
    await eventually(() => value('inputText'), text, `after ${key}`);
    assert.equal(await result(), shown, `after ${key} to "${text}"`);
  }
});

test('a pasted text of megabytes is refused whole at once, and the address stays', async () => {
  await typeNumber('2');
  await page.waitForURL(/#area\/2\/Acres\/Acres$/);
  await setClipboard('7'.repeat(10 << 20));
  const started = Date.now();
  await page.getByRole('button', { name: 'Paste' }).click();
  await eventually(() => page.locator('#faultNote').textContent(), 'Too long: over 4096 characters');
  assert.ok(Date.now() - started < 2000, `answered after ${Date.now() - started} ms`);
  assert.equal(await value('inputText'), '2');
  await typeNumber('3');
  await page.waitForURL(/#area\/3\/Acres\/Acres$/);
});

test('works from the keyboard alone, in the window\'s order', async () => {
  await page.locator('#category').focus();
  const order = [];
  for (let i = 0; i < 3; ++i) {
    await page.keyboard.press('Tab');
    order.push(await focused());
  }
  assert.deepEqual(order, ['inputText', 'inputUnit', 'outputUnit'], 'the result takes no focus');
  // Category by keyboard: the list reacts to a letter as the menu's access key would.
  await page.locator('#category').focus();
  await page.keyboard.press('v');
  assert.equal(await value('category'), 'volume');
  assert.equal(await value('inputUnit'), unitsOf('volume')[0]);
});

// Keys, then the category and units shown. "/" opens the finder outside the number box (where
// it writes a fraction), Ctrl+K anywhere; Enter takes the first unit found, or the one an arrow
// key went to; the side is the finder's radio group, kept from one search to the next.
const finderSteps = [
  [['Tab', '/', ...'tolas', 'Enter'], 'mass', 'Tola', 'Arroba'],
  [['Control+K', 'Shift+Tab', 'ArrowRight', 'Tab', ...'gram', 'Enter'], 'mass', 'Tola', 'Gram'],
  [['Tab', 'Tab', 'Enter'], 'mass', 'Gram', 'Tola'],  // the swap control
  [['/', ...'kanl', 'ArrowDown', 'ArrowUp', 'Enter'], 'area', 'Acres', 'Kanal'],
  [['Control+Z'], 'mass', 'Gram', 'Tola'],  // undo the unit found
  [['Control+Z'], 'mass', 'Tola', 'Gram'],  // and the swap
  [['Control+Shift+Z', 'Control+Shift+Z'], 'area', 'Acres', 'Kanal'],
];
test('the unit finder and the swap, from the keyboard alone; a reload holds them', async () => {
  await page.keyboard.press('2');
  for (const [keys, category, from, to] of finderSteps) {
    for (const key of keys) await page.keyboard.press(key);
    assert.deepEqual([await value('category'), await value('inputUnit'), await value('outputUnit')],
                     [category, from, to], keys.join(' '));
    assert.equal(await result(), converted(category, '2', from, to));
  }
  await page.waitForURL(/#area\/2\/Acres\/Kanal$/);
  await page.reload();
  await page.waitForSelector('html[data-ready="true"]');
  assert.equal(await value('outputUnit'), 'Kanal');
  assert.equal(await result(), converted('area', '2', 'Acres', 'Kanal'));
  // What a screen reader hears: the combobox, expanded, on the first unit found.
  await page.keyboard.press('Control+K');
  await page.keyboard.type('tolas');
  const heard = (await page.locator('#finder').ariaSnapshot()).split('\n').map((line) => line.trim());
  const box = heard.indexOf('- combobox "Find a unit" [expanded]: tolas');
  assert.deepEqual(heard.slice(box, box + 3), ['- combobox "Find a unit" [expanded]: tolas',
                   '- listbox "Units found":', '- option "Tola in Mass" [selected]']);
  const active = await page.locator('#finderText').getAttribute('aria-activedescendant');
  assert.equal(await page.locator(`#${active}`).textContent(), 'Tola in Mass');
});

// Copy's forms on their keys, each announced; the setting kept on the device, and a link that
// keeps the converter's own form, opened in a browser of another language.
test('Numbers: Indian groups, the link in the own form, Copy\'s forms; a comma by the language', async () => {
  await page.locator('#numberSetting summary').click();
  await page.locator('#groups').selectOption('indian');
  await page.locator('#outputUnit').selectOption('Meters Square');
  await typeNumber('1000');
  const shown = '40,46,856.1634012';
  assert.equal(await result(), shown);
  await page.waitForURL(/#area\/1000\/Acres\/Meters%20Square$/);
  const forms = [['N', 'number', shown], ['U', 'number and unit', `${shown} Meters Square`],
                 ['S', 'sentence', `1000 Acres = ${shown} Meters Square`], ['L', 'link', page.url()]];
  for (const [key, name, copied] of forms) {
    await page.keyboard.press(`Alt+Shift+${key}`);
    await eventually(() => page.locator('#commandNote').textContent(), `Copied the ${name}: ${copied}`);
    assert.equal(await clipboard(), copied);
  }
  await page.locator('#precision').selectOption('decimals');
  assert.equal(await result(), '40,46,856.16', 'two decimals to start with');
  await page.locator('#precision').selectOption('shown');
  await page.locator('#decimalMark').selectOption(',');
  assert.equal(await value('groups'), 'indian', 'lakh and crore by the point beside a comma');
  await typeNumber('2,5');
  assert.equal(await result(), '10.117,140408503');
  await page.waitForURL(/#area\/2\.5\/Acres\/Meters%20Square$/);
  const again = await openSite(session.browser, page.url().replace('2.5', '1000.5'), { locale: 'de-DE' });
  assert.equal(await again.page.locator('#inputText').inputValue(), '1000,5');
  assert.equal(await again.page.locator('#outputText').textContent(),
               converted('area', '1000.5', 'Acres', 'Meters Square').replace('.', ','));
  await again.context.close();
  await page.reload();
  await page.waitForSelector('html[data-ready="true"]');
  assert.equal(await value('decimalMark'), ',', 'kept on the device');
});

// Copy where no number stands as the result leaves the clipboard alone and says why, until the
// conversion changes.
test('Copy with no number to copy leaves the clipboard as it was', async () => {
  await setClipboard('kept');
  for (const [number, why] of [['12abc', 'Invalid Number'], ['', 'no number']]) {
    await (number ? typeNumber(number) : page.click('#resetButton'));
    await page.keyboard.press('Alt+Shift+N');
    await eventually(() => page.locator('#commandNote').textContent(), `Nothing to copy: ${why}`);
    assert.equal(await clipboard(), 'kept', why);
  }
  await typeNumber('2');
  assert.ok(await page.locator('#commandNote').isHidden(), 'the note goes with its conversion');
});

// A 320 × 640 phone: a link's note and Copy's answer show beside the result without scrolling,
// and every control there and in the finder is at least 44 pixels each way.
const phoneMessages = [['#length/1/Pound/Meters', 'faultNote'], ['#length/1/Feet/Meters', 'commandNote']];
test('on a phone the messages show by the result, and every control takes a thumb', async () => {
  for (const [address, note] of phoneMessages) {
    const phone = await openSite(session.browser, session.server.url + address, {
      viewport: { width: 320, height: 640 }, hasTouch: true, isMobile: true,
      permissions: ['clipboard-read', 'clipboard-write'] });
    if (note === 'commandNote') await phone.page.tap('#copyButton');
    const { y, height } = await phone.page.locator(`#${note}:not([hidden])`).boundingBox();
    assert.ok(y >= 0 && y + height <= 640, `${note} of ${address} at ${y}..${y + height}`);
    await phone.page.tap('#findButton');
    await phone.page.keyboard.type('tola');
    const small = await phone.page.evaluate(() => [...document.querySelectorAll(
      'button, select, input, summary, #finderList li')].filter((control) => {
      const { width, height } = control.getBoundingClientRect();
      return control.checkVisibility() && (width < 44 || height < 44);
    }).map((control) => control.id || control.outerHTML));
    assert.deepEqual(small, []);
    await phone.context.close();
  }
});

test('About shows the version and closes with OK or Esc', async () => {
  await page.getByRole('button', { name: 'About...' }).click();
  const dialog = page.getByRole('dialog', { name: `Vardeln Version ${nativeVersion}` });
  assert.ok(await dialog.isVisible());
  assert.equal(await focused(), 'aboutOk');
  await page.keyboard.press('Escape');
  assert.ok(await dialog.isHidden());
  await page.getByRole('button', { name: 'About...' }).click();
  await page.keyboard.press('Enter');
  assert.ok(await dialog.isHidden());
});

test('every control carries the name a screen reader reads', async () => {
  assert.equal(await page.getByRole('textbox', { name: 'Number to convert' }).count(), 1);
  assert.equal(await page.getByRole('combobox', { name: 'Convert from' }).count(), 1);
  assert.equal(await page.getByRole('combobox', { name: 'Convert to' }).count(), 1);
  assert.equal(await page.getByRole('combobox', { name: 'Category' }).count(), 1);
  assert.equal(await page.getByRole('status', { name: 'Result' }).count(), 1);
});

test('the page converts with no request but its own and asks nothing of any other site', async () => {
  const asked = [];
  const fresh = await session.browser.newContext();
  const other = await fresh.newPage();
  other.on('request', (request) => asked.push(request.url()));
  await other.goto(session.server.url);
  await other.waitForSelector('html[data-ready="true"]');
  const beforeReady = [...asked];
  await other.evaluate(() => navigator.serviceWorker.ready);
  await fresh.close();
  // The browser may ask for the tab's icon meanwhile; it is no part of the page.
  assert.deepEqual(beforeReady.filter((url) => !url.endsWith('/vardeln.svg')), [session.server.url]);
  assert.ok(asked.length > 1, 'the service worker fetched the site to keep it');
  assert.deepEqual(asked.filter((url) => !url.startsWith(session.server.url)), []);
});
