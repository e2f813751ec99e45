// Vardeln — MIT licence, see LICENSE.
// The page installs as an app from any folder of a site: Chromium finds nothing missing, the
// app's addresses stay in that folder, and each icon is what it claims to be (size; no
// transparent part where a launcher's mask or Apple's touch icon would show it black).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync, mkdtempSync, symlinkSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launchChromiumProfile } from './browser.mjs';
import { startSiteServer } from './site_server.mjs';
import { siteDir } from './test_setup.mjs';

// A PNG's width, height and whether it has an alpha channel, from its header.
function pngHeader(bytes) {
  const colourType = bytes[25];
  return { width: bytes.readUInt32BE(16), height: bytes.readUInt32BE(20), alpha: colourType >= 4 };
}

test('installs as an app from a folder of a site, with icons as they claim', async () => {
  const root = mkdtempSync(join(tmpdir(), 'vardeln-host-'));
  mkdirSync(join(root, 'tools'));
  symlinkSync(siteDir, join(root, 'tools', 'vardeln'));
  const server = await startSiteServer(root);
  // Chromium installs nothing from a private window: the profile is a real one.
  const context = await launchChromiumProfile(mkdtempSync(join(tmpdir(), 'vardeln-profile-')));
  try {
    const page = context.pages()[0];
    const folder = `${server.url}tools/vardeln/`;
    await page.goto(folder);
    await page.waitForSelector('html[data-ready="true"]');
    const chromium = await context.newCDPSession(page);
    assert.deepEqual((await chromium.send('Page.getInstallabilityErrors')).installabilityErrors, []);

    const { manifest, data } = await chromium.send('Page.getAppManifest');
    assert.equal(manifest.startUrl, folder);
    assert.equal(manifest.scope, folder);
    const icons = JSON.parse(data).icons.filter((icon) => icon.type === 'image/png');
    const touchIcon = await page.locator('link[rel="apple-touch-icon"]').getAttribute('href');
    icons.push({ src: touchIcon, sizes: '180x180', purpose: 'apple-touch' });
    assert.deepEqual(icons.map((icon) => icon.sizes).sort(),
                     ['180x180', '192x192', '512x512', '512x512']);
    for (const { src, sizes, purpose } of icons) {
      const response = await fetch(new URL(src, folder));
      assert.equal(response.status, 200, src);
      const { width, height, alpha } = pngHeader(Buffer.from(await response.arrayBuffer()));
      assert.equal(`${width}x${height}`, sizes, src);
      assert.equal(alpha, purpose === 'any', `${src}: transparent parts only where drawn so`);
    }
  } finally {
    await context.close();
    await server.stop();
  }
});
