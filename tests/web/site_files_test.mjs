// Vardeln — MIT licence, see LICENSE.
// The site's pre-compressed copies hold exactly their files and save bytes, a page sent
// from them arrives compressed and works, and a first visit downloads each file once.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { brotliDecompressSync, gunzipSync } from 'node:zlib';
import { openSite } from './browser.mjs';
import { siteSession } from './site_session.mjs';
import { startSiteServer } from './site_server.mjs';
import { siteDir } from './test_setup.mjs';

const session = siteSession();
const decoders = { '.gz': gunzipSync, '.br': brotliDecompressSync };

test('each pre-compressed copy holds its file exactly and is smaller', () => {
  const copies = readdirSync(siteDir).filter((name) => /\.(gz|br)$/.test(name));
  for (const suffix of ['.gz', '.br']) assert.ok(copies.includes(`index.html${suffix}`), suffix);
  for (const copy of copies) {
    const suffix = copy.slice(-3);
    const original = readFileSync(join(siteDir, copy.slice(0, -3)));
    const compressed = readFileSync(join(siteDir, copy));
    assert.ok(decoders[suffix](compressed).equals(original), `${copy} holds its file`);
    assert.ok(compressed.length < original.length, `${copy} is smaller`);
  }
});

test('the page sent compressed arrives so and converts', async () => {
  const { page, context, problems } = await openSite(session.browser, session.server.url);
  const { encodedBodySize, decodedBodySize } =
    await page.evaluate(() => performance.getEntriesByType('navigation')[0].toJSON());
  assert.ok(encodedBodySize < decodedBodySize / 2, `${encodedBodySize} of ${decodedBodySize} bytes`);
  assert.equal(await page.locator('#outputText').textContent(), '0');
  assert.deepEqual(problems, []);
  await context.close();
});

test('a first visit downloads each file once, the page with its folder\'s address one file', async () => {
  const own = await startSiteServer(siteDir);
  const { page, context } = await openSite(session.browser, own.url);
  await page.evaluate(() => navigator.serviceWorker.ready);  // every file kept
  await own.stop();
  const asked = own.requests.map(({ path }) => (path === '/' ? '/index.html' : path));
  assert.deepEqual(asked, [...new Set(asked)]);
  assert.ok(asked.includes('/index.html'));
  await context.close();
});
