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
  // An emptied box showed "Invalid Number", and so it does after a reload.
  await page.locator('#inputText').fill('1');
  await page.locator('#inputText').fill('');
  await page.reload();
  await page.waitForSelector('html[data-ready="true"]');
  assert.deepEqual(await shown(page), ['length', '', 'Feet', 'Meters', 'Invalid Number']);
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

// Links as people edit them: what shows (the result, where it is not the conversion's), the
// note, and whether the user's address is kept (a link refused) or written as what shows.
const start = ['area', '0', 'Acres', 'Acres'];
const linkCases = [
  ['good', '#length/1/Feet/Meters', ['length', '1', 'Feet', 'Meters'], ''],
  ['other case', '#Length/1/feet/METERS', ['length', '1', 'Feet', 'Meters'], ''],
  ['unencoded slash', '#pressure/2/Dynes / cm Square/Pascal', ['pressure', '2', 'Dynes / cm Square', 'Pascal'], ''],
  ['unknown category', '#lenght/1/Feet/Meters', start, 'This link names no category "lenght"'],
  ['unknown unit', '#length/1/Fet/Meters', start, 'This link names no unit "Fet" in length'],
  ['a fault shows no number', '#length/1e308/Miles/Meters', ['length', '1e308', 'Miles', 'Meters', ''], 'Overflow'],
  ['a number too long', `#length/${'9'.repeat(4097)}/Feet/Meters`, start,
   'This link was refused: its number is over 4096 characters'],
  ['slashes', `#pressure/1/${'/'.repeat(36000)}`, start, 'This link holds no conversion: too many slashes'],
];

test('a link holds what it says, or keeps the address and says what it could not find', async () => {
  for (const [name, hash, conversion, note] of linkCases) {
    const { page, context } = await openSite(session.browser, session.server.url + hash);
    const [category, input, source, target, result = converted(category, input, source, target)] =
      conversion;
    assert.deepEqual(await shown(page), [category, input, source, target, result], name);
    const { address, noteShown } = await page.evaluate(() => ({
      address: location.hash,
      noteShown: document.getElementById('faultNote').hidden ? '' : document.getElementById('faultNote').textContent,
    }));
    assert.equal(noteShown, note, name);
    const written = '#' + [category, input, source, target].map(encodeURIComponent).join('/');
    if (!note.startsWith('This link')) assert.equal(address, written, `${name}: the address is what shows`);
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

// An installed page's own addresses, as it writes them and as people shorten them.
const ownAddresses = ['index.html#mass/1/Pound/Kilogram', 'index.html', '#mass/1/Pound/Kilogram', ''];

test('after one visit the page opens any of its addresses with the server stopped', async () => {
  const own = await startSiteServer(siteDir);
  const { page, context } = await openSite(session.browser, own.url + 'index.html');
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((done) => navigator.serviceWorker.addEventListener('controllerchange', done));
    }
  });
  await own.stop();
  for (const address of ownAddresses) {
    const tab = await context.newPage();
    await tab.goto(own.url + address);
    await tab.waitForSelector('html[data-ready="true"]');
    const expected = address.includes('#') ? converted('mass', '1', 'Pound', 'Kilogram') : '0';
    assert.equal(await tab.locator('#outputText').textContent(), expected, address);
    await tab.close();
  }
  // With the browser's offline switch too, a reload converts.
  await context.setOffline(true);
  await page.reload();
  await page.waitForSelector('html[data-ready="true"]');
  await page.locator('#inputText').fill('10');
  assert.equal(await page.locator('#outputText').textContent(), '10');
  await context.close();
});
