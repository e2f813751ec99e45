// Vardeln — MIT licence, see LICENSE.
// A folder served by Debian's Python as ./web.sh serves it, and as most static hosts do by
// default: Last-Modified, no Cache-Control. It runs in a process of its own, so that the
// browser's driver does not slow it down; the same port can be served again after a stop.
import { spawn } from 'node:child_process';

export async function startPythonServer(root, port = 20000 + Math.floor(Math.random() * 20000)) {
  const python = spawn('/usr/bin/python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1',
                                            '--directory', root], { stdio: 'ignore' });
  const exited = new Promise((done) => python.once('exit', done));
  const url = `http://127.0.0.1:${port}/`;
  for (let tries = 0; ; ++tries) {
    try {
      await fetch(url, { method: 'HEAD' });
      break;
    } catch (error) {
      if (tries > 100) throw error;
      await new Promise((done) => setTimeout(done, 100));
    }
  }
  return { url, port, stop: async () => { python.kill(); await exited; } };
}
