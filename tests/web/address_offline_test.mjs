// Vardeln — MIT licence, see LICENSE.
// The conversion lives in the address: a reload and a shared link bring it back. After one
// visit the page loads and converts with the network gone.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { openSite } from './browser.mjs';
import { siteSession } from './site_session.mjs';
import { startSiteServer } from './site_server.mjs';
import { siteDir } from './test_setup.mjs';
import { converted } from './native_convert.mjs';

const session = siteSession();

async function shown(page) {
  return page.evaluate(() => {
    const $ = (id) => document.getElementById(id);
    return [$('category').value, $('inputText').value, $('inputUnit').value,
            $('outputUnit').value, $('outputText').value];
  });
}

test('a reload keeps the conversion', async () => {
  const { page, context } = await openSite(session.browser, session.server.url);
  await page.selectOption('#category', 'length');
  await page.locator('#inputText').fill('1');
  await page.selectOption('#inputUnit', 'Feet');
  await page.selectOption('#outputUnit', 'Meters');
  await page.waitForURL(/#length\/1\/Feet\/Meters$/);
  await page.reload();
  await page.waitForSelector('html[data-ready="true"]');
  assert.deepEqual(await shown(page),
                   ['length', '1', 'Feet', 'Meters', converted('length', '1', 'Feet', 'Meters')]);
  // After Reset both boxes are empty, and so they are after a reload.
  await page.click('#resetButton');
  await page.waitForURL(/#length\/\/Feet\/Meters$/);
  await page.reload();
  await page.waitForSelector('html[data-ready="true"]');
  assert.deepEqual(await shown(page), ['length', '', 'Feet', 'Meters', '']);
  await context.close();
});

// Links as people write and share them: blanks, slashes and letters outside ASCII in the
// labels, a number with an exponent, and a link followed while the page is open.
const links = [
  ['temperature', '-40', 'Celsius', 'Réaumur'],
  ['pressure', '2.5e3', 'Dynes / cm Square', 'Pounds / inch Square'],
  ['volume', ' 12 ', 'Barrel Petrolium', 'Acre Foot'],
  ['area', 'abc', 'Marla', 'Kanal'],
];

test('a link opens the conversion it names', async () => {
  for (const [category, input, source, target] of links) {
    const hash = '#' + [category, input, source, target].map(encodeURIComponent).join('/');
    const { page, context } = await openSite(session.browser, session.server.url + hash);
    assert.deepEqual(await shown(page),
                     [category, input, source, target, converted(category, input, source, target)]);
    await context.close();
  }
  const { page, context } = await openSite(session.browser, session.server.url);
  await page.evaluate(() => { location.hash = '#mass/3/Tola/Seer'; });
  await page.waitForFunction(() => document.getElementById('inputUnit').value === 'Tola');
  assert.deepEqual(await shown(page), ['mass', '3', 'Tola', 'Seer', converted('mass', '3', 'Tola', 'Seer')]);
  await context.close();
});

// Links as people edit them: what shows, the note, and whether the user's address is kept (a
// link that names nothing known) or written as what shows.
const start = ['area', '0', 'Acres', 'Acres'];
const linkCases = [
  ['good', '#length/1/Feet/Meters', ['length', '1', 'Feet', 'Meters'], ''],
  ['other case', '#Length/1/feet/METERS', ['length', '1', 'Feet', 'Meters'], ''],
  ['unencoded slash', '#pressure/2/Dynes / cm Square/Pascal', ['pressure', '2', 'Dynes / cm Square', 'Pascal'], ''],
  ['unknown category', '#lenght/1/Feet/Meters', start, 'This link names no category "lenght"'],
  ['unknown unit', '#length/1/Fet/Meters', start, 'This link names no unit "Fet" in length'],
];

test('a link holds what it says, or keeps the address and says what it could not find', async () => {
  for (const [name, hash, conversion, note] of linkCases) {
    const { page, context } = await openSite(session.browser, session.server.url + hash);
    assert.deepEqual((await shown(page)).slice(0, 4), conversion, name);
    const { address, noteShown } = await page.evaluate(() => ({
      address: location.hash,
      noteShown: document.getElementById('faultNote').hidden ? '' : document.getElementById('faultNote').textContent,
    }));
    assert.equal(noteShown, note, name);
    const [category, input, source, target] = conversion;
    const written = '#' + [category, input, source, target].map(encodeURIComponent).join('/');
    if (note === '') assert.equal(address, written, `${name}: the address is what shows`);
    else assert.notEqual(address, written, `${name}: the user's address is kept`);
    await context.close();
  }
});

test('a reload right after fast typing brings back all that was typed', async () => {
  const { page, context } = await openSite(session.browser, session.server.url);
  const typed = '12'.repeat(75);
  await page.locator('#inputText').fill('');
  await page.locator('#inputText').pressSequentially(typed);
  await page.reload();
  await page.waitForSelector('html[data-ready="true"]');
  assert.deepEqual(await shown(page), ['area', typed, 'Acres', 'Acres',
                                       converted('area', typed, 'Acres', 'Acres')]);
  await context.close();
});

test('after one visit the page loads and converts with the network gone', async () => {
  const own = await startSiteServer(siteDir);
  const { page, context } = await openSite(session.browser, own.url);
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((done) => navigator.serviceWorker.addEventListener('controllerchange', done));
    }
  });
  await own.stop();
  await context.setOffline(true);

  await page.reload();
  await page.waitForSelector('html[data-ready="true"]');
  await page.selectOption('#category', 'mass');
  await page.locator('#inputText').fill('10');
  await page.selectOption('#inputUnit', 'Tola');
  await page.selectOption('#outputUnit', 'Kilogram');
  assert.equal(await page.locator('#outputText').textContent(),
               converted('mass', '10', 'Tola', 'Kilogram'));

  // A new tab on the same address, as an installed page opens.
  const second = await context.newPage();
  await second.goto(own.url);
  await second.waitForSelector('html[data-ready="true"]');
  assert.equal(await second.locator('#outputText').textContent(), '0');
  await context.close();
});
