// Vardeln — MIT licence, see LICENSE.
// Writes pre-compressed copies beside the site's text files (name.gz and name.br), at the
// strongest settings: a host that serves them (nginx's gzip_static and brotli_static, Apache's
// MultiViews or rewrite rules, many CDNs) sends them as they are, smaller than it would make
// them itself, and spends no time compressing. The pictures are compressed already.
//   node compress_site.mjs <site folder> <file>...
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';

const [siteDir, ...names] = process.argv.slice(2);
for (const name of names) {
  const body = readFileSync(join(siteDir, name));
  writeFileSync(join(siteDir, `${name}.gz`), gzipSync(body, { level: 9 }));
  writeFileSync(join(siteDir, `${name}.br`), brotliCompressSync(body, { params: {
    [constants.BROTLI_PARAM_QUALITY]: constants.BROTLI_MAX_QUALITY,
    [constants.BROTLI_PARAM_SIZE_HINT]: body.length,
  } }));
}
