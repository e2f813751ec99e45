// Vardeln — MIT licence, see LICENSE.
// Writes the site's service worker from its template: every file the site keeps for offline
// use with the digest of its content, and a cache name made of the version and a hash of all
// of them, so that any changed file makes a new version.
//   node stamp_service_worker.mjs <sw.js.in> <site folder> <version> <file>...
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const [templatePath, siteDir, version, ...names] = process.argv.slice(2);
const digestOf = (name) =>
  `sha256-${createHash('sha256').update(readFileSync(join(siteDir, name))).digest('base64')}`;
// The page is kept under the folder's own address, the one people open; sw.js answers
// index.html with it.
const files = names.sort().map((name) => [name === 'index.html' ? './' : `./${name}`, digestOf(name)]);
const siteHash = createHash('sha256').update(JSON.stringify(files)).digest('hex').slice(0, 16);

const values = {
  cache_name: `vardeln-${version}-${siteHash}`,
  site_files: files.map((file) => `  ${JSON.stringify(file)},`).join('\n'),
};
const worker = readFileSync(templatePath, 'utf8').replace(/@(\w+)@/g, (marker, name) => {
  if (!(name in values)) throw new Error(`unknown marker ${marker} in ${templatePath}`);
  return values[name];
});
writeFileSync(join(siteDir, 'sw.js'), worker);
