// Vardeln — MIT licence, see LICENSE.
// Renders the program icon (packaging/icons/vardeln.svg) at the sizes phones and browsers ask
// of an installable page, with Debian's Chromium: 192 and 512 pixels as drawn; a maskable
// one, whose drawing keeps within the circle every launcher's mask leaves, on the icon's own
// blue to the edges; and Apple's touch icon, which must have no transparent corner. The build
// copies the committed PNGs into the site and never runs this.
//   node web/render_icons.mjs      (after npm ci --prefix web)
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { launchChromium, webDir } from '../tests/web/browser.mjs';

const svg = readFileSync(join(webDir, '..', 'packaging', 'icons', 'vardeln.svg'));
const source = `data:image/svg+xml;base64,${svg.toString('base64')}`;
const iconBlue = '#1d4f91';  // the icon's own ground
// file, size in pixels, ground behind the drawing (none: transparent), drawing's share of it
const icons = [
  ['vardeln-192.png', 192, null, 1],
  ['vardeln-512.png', 512, null, 1],
  ['vardeln-maskable-512.png', 512, iconBlue, 0.66],
  ['apple-touch-icon.png', 180, iconBlue, 0.86],
];

const browser = await launchChromium();
try {
  for (const [file, size, ground, share] of icons) {
    const page = await browser.newPage({ viewport: { width: size, height: size } });
    await page.setContent(
      `<body style="margin:0"><div id="icon" style="display:grid;place-items:center;` +
      `width:${size}px;height:${size}px;background:${ground ?? 'transparent'}">` +
      `<img src="${source}" alt="" style="width:${share * 100}%;height:${share * 100}%"></div>`);
    await page.locator('#icon').screenshot({ path: join(webDir, 'icons', file), omitBackground: true });
    await page.close();
  }
} finally {
  await browser.close();
}
