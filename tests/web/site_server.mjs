// Vardeln — MIT licence, see LICENSE.
// A static server for the built site on a free local port, for tests and the benchmark: it
// sends the site's pre-compressed copies as a well-set host does, can be stopped to cut the
// page off from the network, and records what was asked of it and how many bytes it sent.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.wasm': 'application/wasm', '.png': 'image/png',
  '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json',
};

// The file's pre-compressed copy in an encoding the browser accepts, as nginx's gzip_static
// and brotli_static send it; undefined where there is none.
async function precompressed(file, accepted, headers) {
  for (const [encoding, suffix] of [['br', '.br'], ['gzip', '.gz']]) {
    if (!accepted.includes(encoding)) continue;
    try {
      const body = await readFile(file + suffix);
      Object.assign(headers, { 'Content-Encoding': encoding, Vary: 'Accept-Encoding' });
      return body;
    } catch {
      // No copy in this encoding.
    }
  }
  return undefined;
}

// Serves `root`; `extra` maps further paths (such as a blank page) to their HTML.
export async function startSiteServer(root, extra = {}) {
  const requests = [];
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const record = { path, bytes: 0 };
    requests.push(record);
    if (extra[path] !== undefined) {
      response.writeHead(200, { 'Content-Type': types['.html'] });
      response.end(extra[path]);
      return;
    }
    const file = join(root, normalize(path.endsWith('/') ? path + 'index.html' : path));
    try {
      const headers = { 'Content-Type': types[extname(file)] ?? 'application/octet-stream' };
      const body = await precompressed(file, request.headers['accept-encoding'] ?? '', headers) ??
                   await readFile(file);
      response.writeHead(200, headers);
      response.end(body);
      record.bytes = body.length;
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  const url = `http://127.0.0.1:${server.address().port}/`;
  return {
    url,
    requests,
    async stop() {
      server.closeAllConnections();
      await new Promise((done) => server.close(done));
    },
  };
}
