// The page's service worker: keeps every file of one version of the page together in one cache
// and serves them, so that the game starts without a network; a new version is fetched whole in
// the background and waits until the page's player takes it (the page then reloads), so a page
// never mixes the files of two versions. The build writes this file into the site
// (StampSite.cmake) with the version and the SHA-256 hash of every file in the place below.
importScripts('simd.js');
const kVersion = '@VERSION@';
const kFiles = @FILES@;
const kCachePrefix = 'panipani-';
const kCache = kCachePrefix + kVersion;
// The large icons only a browser installing the page reads (online, then): not kept, since
// hosts send PNG files as they are and these are stored uncompressed (half a megabyte).
const kInstallOnly = /-512\.png$/;
// Of the program's two builds only the one this browser runs (simd.js, as start.js picks it):
// the other is a third of a megabyte no page here loads (but one that asks for it, ?simd=0).
const kOtherProgram = kWebAssemblySimd ? /^panipani\.(js|wasm)$/ : /^panipani-simd\.(js|wasm)$/;
const kept = Object.keys(kFiles).filter((name) => !kInstallOnly.test(name) &&
                                                  !kOtherProgram.test(name));

const hex = (bytes) => Array.from(new Uint8Array(bytes), (b) => b.toString(16).padStart(2, '0')).join('');

// `name` as this version has it: from the HTTP cache when it is still this version's, else from
// the server; throws when the server has another version (the install fails, the version in use
// stays).
async function fetchExact(name) {
  for (const cache of ['default', 'reload']) {
    const response = await fetch(name, { cache });
    if (!response.ok) continue;
    const body = await response.arrayBuffer();
    if (hex(await crypto.subtle.digest('SHA-256', body)) !== kFiles[name]) continue;
    const type = response.headers.get('Content-Type');
    return new Response(body, { headers: type ? { 'Content-Type': type } : {} });
  }
  throw new Error(`${name}: the server no longer has version ${kVersion}`);
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const responses = await Promise.all(kept.map(fetchExact));
    const cache = await caches.open(kCache);
    await Promise.all(kept.map((name, i) => cache.put(name, responses[i])));
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const key of await caches.keys())
      if (key.startsWith(kCachePrefix) && key !== kCache) await caches.delete(key);
    await self.clients.claim();
  })());
});

// The page asks the waiting version to take over.
self.addEventListener('message', (event) => {
  if (event.data === 'activate') self.skipWaiting();
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET') return;
  const url = new URL(request.url);
  const scope = new URL(self.registration.scope);
  if (url.origin !== scope.origin || !url.pathname.startsWith(scope.pathname)) return;
  const name = url.pathname.slice(scope.pathname.length) || 'index.html';
  // Not the page's (the frame benchmark), or not kept: the network as usual.
  if (!kept.includes(name)) return;
  event.respondWith(caches.open(kCache).then((cache) => cache.match(name))
    .then((response) => response || fetch(request)));
});
