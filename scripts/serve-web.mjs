// Serves a folder over HTTP on 127.0.0.1 as a static host serves a site with precompressed files:
// FILE.br or FILE.gz beside FILE goes out with its Content-Encoding when the browser accepts it,
// with the type of FILE; every answer is revalidated (Cache-Control: no-cache, ETag).
//   node scripts/serve-web.mjs DIR [PORT]      (PORT 0: any free port; the first line says which)
import { createReadStream, promises as fs } from 'node:fs';
import http from 'node:http';
import path from 'node:path';

const [root, port = '8000'] = process.argv.slice(2);
if (!root) {
  console.error('usage: node scripts/serve-web.mjs DIR [PORT]');
  process.exit(2);
}
const base = path.resolve(root);
const kTypes = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8', '.json': 'application/json',
  '.webmanifest': 'application/manifest+json', '.wasm': 'application/wasm',
  '.data': 'application/octet-stream', '.png': 'image/png', '.css': 'text/css; charset=utf-8',
  '.svg': 'image/svg+xml',
};
// Encodings in the order they are preferred, with the suffix of their files.
const kEncodings = [['br', '.br'], ['gzip', '.gz']];

// The file under `base` for the request's path, or null (outside it, not a file).
async function fileFor(urlPath) {
  let name;
  try {
    name = decodeURIComponent(urlPath);
  } catch {
    return null;
  }
  let file = path.join(base, name);
  if (file !== base && !file.startsWith(base + path.sep)) return null;
  try {
    if ((await fs.stat(file)).isDirectory()) file = path.join(file, 'index.html');
    return (await fs.stat(file)).isFile() ? file : null;
  } catch {
    return null;
  }
}

async function answer(request, response) {
  const url = new URL(request.url, 'http://host');
  const file = await fileFor(url.pathname);
  if (!file || (request.method !== 'GET' && request.method !== 'HEAD')) {
    response.writeHead(file ? 405 : 404, { 'Content-Type': 'text/plain' });
    response.end(file ? 'method not allowed\n' : 'not found\n');
    return;
  }
  const accepted = (request.headers['accept-encoding'] || '').split(',')
    .map((part) => part.trim().split(';')[0]);
  let sent = file, encoding = null;
  for (const [name, suffix] of kEncodings) {
    if (!accepted.includes(name)) continue;
    try {
      if ((await fs.stat(file + suffix)).isFile()) {
        sent = file + suffix;
        encoding = name;
        break;
      }
    } catch {
      // no compressed copy of this kind
    }
  }
  const stat = await fs.stat(sent);
  const etag = `"${stat.size.toString(16)}-${Math.floor(stat.mtimeMs).toString(16)}"`;
  const headers = {
    'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream',
    'Cache-Control': 'no-cache',
    'ETag': etag,
    'Vary': 'Accept-Encoding',
  };
  if (encoding) headers['Content-Encoding'] = encoding;
  if (request.headers['if-none-match'] === etag) {
    response.writeHead(304, headers);
    response.end();
    return;
  }
  headers['Content-Length'] = stat.size;
  response.writeHead(200, headers);
  if (request.method === 'HEAD') response.end();
  else createReadStream(sent).pipe(response);
}

const server = http.createServer((request, response) => {
  answer(request, response).catch((e) => {
    response.writeHead(500, { 'Content-Type': 'text/plain' });
    response.end(String(e) + '\n');
  });
});
server.listen(Number(port), '127.0.0.1', () => {
  console.log(`http://127.0.0.1:${server.address().port}/`);
});
