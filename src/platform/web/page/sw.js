// Keeps the page's files so that the game starts without a network after the
// first visit. Each build has its own cache, named by the build's version
// (web.sh writes it in for @BT_VERSION@), filled whole when this worker
// installs, each file kept only when its SHA-256 is the one web.sh gave it
// (a server caught between two builds makes the install fail, and the
// worker before stays); the page asks for its files with ?v=VERSION, and a file is only
// ever answered from the cache of the version that asked, so that a page
// never runs on a mix of two builds. The page itself (index.html) comes from
// the network while there is one, so a new build is picked up at the next
// visit; without a network, the cached page of this version starts. Every
// other request (the score path, /records, /scores) goes to the network as
// if no worker were here.
'use strict';

const VERSION = '@BT_VERSION@';
const CACHE = 'brambletop-' + VERSION;
const PAGE = 'index.html';
// Every file of the build but this one, with its SHA-256.
const FILES = @BT_FILES@;
// A network that neither answers nor fails (a phone in a tunnel) is given
// up on after this long, and the cached page starts.
const PAGE_TIMEOUT_MS = 4000;

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    // Past the browser's own cache: the files of this version, as the
    // server has them now.
    await Promise.all(Object.entries(FILES).map(async ([name, digest]) => {
      const response = await fetch(name + '?v=' + VERSION, { cache: 'no-cache' });
      if (!response.ok) throw new Error(name + ': ' + response.status);
      const body = await response.arrayBuffer();
      if (await sha256(body) !== digest) throw new Error(name + ' is of another build');
      const type = response.headers.get('Content-Type') || 'application/octet-stream';
      await cache.put(name, new Response(body, { headers: { 'Content-Type': type } }));
    }));
    await self.skipWaiting();
  })().catch(async (error) => {
    // A half-filled cache is never used.
    await caches.delete(CACHE);
    throw error;
  }));
});

async function sha256(bytes) {
  const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', bytes));
  return Array.from(digest, (byte) => byte.toString(16).padStart(2, '0')).join('');
}

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name.startsWith('brambletop-') && name !== CACHE) await caches.delete(name);
    }
    await self.clients.claim();
  })());
});

// The file of the page a request names, or null when it is not one.
function pageFileOf(url) {
  if (url.origin !== self.location.origin) return null;
  const scope = new URL(self.registration.scope).pathname;
  if (!url.pathname.startsWith(scope)) return null;
  const name = url.pathname.slice(scope.length) || PAGE;
  return Object.hasOwn(FILES, name) ? name : null;
}

async function pageFromNetwork(request) {
  const controller = new AbortController();
  const timer = setTimeout(() => controller.abort(), PAGE_TIMEOUT_MS);
  try {
    const response = await fetch(request, { signal: controller.signal });
    if (response.ok || response.status === 304) return response;
  } catch (error) {
    // No network: the cached page below.
  } finally {
    clearTimeout(timer);
  }
  const cached = await caches.match(PAGE, { cacheName: CACHE });
  return cached || Response.error();
}

async function fileOfVersion(request, name, version) {
  const cached = await caches.match(name, { cacheName: 'brambletop-' + version });
  return cached || fetch(request);
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET') return;
  const url = new URL(request.url);
  const name = pageFileOf(url);
  if (name === null) return;
  if (name === PAGE) {
    event.respondWith(pageFromNetwork(request));
    return;
  }
  event.respondWith(fileOfVersion(request, name, url.searchParams.get('v') || VERSION));
});
