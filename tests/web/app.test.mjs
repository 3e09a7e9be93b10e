// The page as an installed app: its manifest and icons, the service worker
// that keeps its files, a start without a network, and a new build taken
// whole at the next visit.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { appendFileSync, cpSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import {
  canvasPicture, differingPixels, openBrowser, openGame, pressKeys, scratchFolder, startServer,
  stopServer, webDir,
} from './support.mjs';

async function skipIntro(page) {
  await page.waitForTimeout(1000);
  await pressKeys(page, ['Enter'], 1500);
}

// Resolves once a service worker controls the page.
async function controlled(page) {
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null,
    { timeout: 20000 });
}

// The versions in the addresses the page fetched its own files by.
async function versionsFetched(page) {
  return page.evaluate(() => [...new Set(performance.getEntriesByType('resource')
    .map((entry) => new URL(entry.name))
    .filter((url) => /^\/brambletop\./.test(url.pathname))
    .map((url) => url.searchParams.get('v')))]);
}

test('the manifest parses, its icons load, and the worker controls the page', async (t) => {
  const origin = await startServer(t, scratchFolder(t));
  const context = await openBrowser(t);
  const page = await openGame(context, `${origin}/`);
  const manifest = await (await fetch(`${origin}/manifest.webmanifest`)).json();
  assert.equal(manifest.name, 'Brambletop');
  assert.equal(manifest.display, 'standalone');
  assert.ok(manifest.icons.some((icon) => icon.purpose === 'maskable'));
  for (const icon of manifest.icons) {
    const size = await page.evaluate(async (src) => {
      const image = new Image();
      image.src = src;
      await image.decode();
      return `${image.naturalWidth}x${image.naturalHeight}`;
    }, icon.src);
    assert.equal(size, icon.sizes, icon.src);
  }
  await page.reload();
  await page.waitForFunction(() => document.body.dataset.state === 'running');
  await controlled(page);
  assert.deepEqual(page.problems, []);
});

test('without the server, a reload starts the game, continues it, and the exchange fails',
  async (t) => {
    const origin = await startServer(t, scratchFolder(t));
    const context = await openBrowser(t);
    const page = await openGame(context, `${origin}/`);
    await controlled(page);
    await skipIntro(page);
    await pressKeys(page, ['Enter'], 1500);  // new game
    await pressKeys(page, ['Enter'], 1000);  // rotate the ring at the cursor
    const played = await canvasPicture(page);
    await pressKeys(page, ['F1'], 1500);  // back to the main menu: the game is saved
    await page.waitForFunction(() => Number(document.body.dataset.kept || 0) >= 1);

    await stopServer(origin);
    await page.reload();
    await page.waitForFunction(() => document.body.dataset.state === 'running', null,
      { timeout: 30000 });
    await skipIntro(page);
    await pressKeys(page, ['ArrowDown', 'Enter'], 1500);  // continue
    assert.equal(differingPixels(await canvasPicture(page), played), 0, 'the continued board');
    // The menu, SCORES, FETCH, CONNECT: nobody answers.
    await pressKeys(page, ['F1', 'F2', 'F2', 'F2'], 1500);
    await page.waitForFunction(() => document.body.dataset.exchange === '0', null,
      { timeout: 20000 });
    assert.deepEqual(page.problems, []);
  });

// Makes the page in web a new build as web.sh does: a new version in the
// page and the worker, and the worker's digest of every file as it is now.
function restamp(web, before, after) {
  for (const name of ['index.html', 'sw.js']) {
    const text = readFileSync(join(web, name), 'utf8');
    writeFileSync(join(web, name), text.replaceAll(before, after));
  }
  const worker = readFileSync(join(web, 'sw.js'), 'utf8').replace(/"([\w.-]+)": "[0-9a-f]{64}"/g,
    (_, name) => `"${name}": "${createHash('sha256').update(readFileSync(join(web, name)))
      .digest('hex')}"`);
  writeFileSync(join(web, 'sw.js'), worker);
  for (const name of ['index.html', 'sw.js', 'brambletop.js']) {
    rmSync(join(web, `${name}.gz`), { force: true });
  }
}

// The names of the caches the page's origin holds.
async function cacheNames(page) {
  return page.evaluate(() => caches.keys());
}

// Waits until the origin keeps exactly the caches named (waitForFunction
// would take the promise of an async check for a truthy answer).
async function untilCaches(page, names) {
  for (const deadline = Date.now() + 20000; Date.now() < deadline;) {
    if (JSON.stringify(await cacheNames(page)) === JSON.stringify(names)) return;
    await page.waitForTimeout(200);
  }
  assert.deepEqual(await cacheNames(page), names);
}

test('a rebuilt page is taken whole at the next visit, and a mixed one never kept',
  async (t) => {
    const folder = scratchFolder(t);
    const web = join(folder, 'web');
    cpSync(webDir, web, { recursive: true });
    const origin = await startServer(t, folder, { web });
    const context = await openBrowser(t);
    const first = await openGame(context, `${origin}/`);
    await controlled(first);
    const [before] = await versionsFetched(first);
    await first.close();

    // A new build: a changed program under a new version.
    const after = before.split('').reverse().join('');
    appendFileSync(join(web, 'brambletop.js'), '\nwindow.rebuilt = 1;\n');
    restamp(web, before, after);
    const second = await openGame(context, `${origin}/`);
    assert.deepEqual(await versionsFetched(second), [after]);
    assert.equal(await second.evaluate(() => window.rebuilt), 1, 'the new program runs');
    await untilCaches(second, [`brambletop-${after}`]);
    assert.deepEqual(second.problems, []);

    // A server caught between two builds: its worker names a program that
    // is not the one it serves. Its install fails and the build kept stays.
    const mixed = `${after.slice(1)}x`;
    appendFileSync(join(web, 'brambletop.js'), '\nwindow.rebuilt = 2;\n');
    restamp(web, after, mixed);
    appendFileSync(join(web, 'brambletop.js'), '\nwindow.rebuilt = 3;\n');
    const third = await openGame(context, `${origin}/`);
    await third.waitForTimeout(3000);  // time for the worker to try
    assert.deepEqual(await cacheNames(third), [`brambletop-${after}`]);
    await third.close();
    assert.deepEqual(await cacheNames(second), [`brambletop-${after}`]);
  });

test('where a browser has no service workers (http, not localhost) the page plays',
  async (t) => {
    const origin = await startServer(t, scratchFolder(t));
    const port = new URL(origin).port;
    const context = await openBrowser(t, {}, ['--host-resolver-rules=MAP brambletop.test 127.0.0.1']);
    const page = await openGame(context, `http://brambletop.test:${port}/`);
    assert.equal(await page.evaluate(() => 'serviceWorker' in navigator), false);
    await skipIntro(page);
    const menu = await canvasPicture(page);
    await pressKeys(page, ['ArrowDown'], 500);
    assert.notEqual(differingPixels(await canvasPicture(page), menu), 0, 'the menu answers');
    assert.deepEqual(page.problems, []);
  });

test('on a phone the keypad and the whole canvas fit, upright and sideways', async (t) => {
  const origin = await startServer(t, scratchFolder(t));
  for (const [width, height, pixelRatio] of [[390, 844, 3], [844, 390, 3], [390, 844, 2]]) {
    const context = await openBrowser(t, { hasTouch: true, isMobile: true,
      deviceScaleFactor: pixelRatio, viewport: { width, height } });
    for (const display of ['240x320', '176x220']) {
      await t.test(`${width}x${height} at ${pixelRatio} ${display}`, async () => {
        const page = await openGame(context, `${origin}/?display=${display}`);
        // In a game, so that the play line under the canvas is filled.
        await skipIntro(page);
        await pressKeys(page, ['Enter', 'ArrowUp'], 1500);
        assert.match(await page.textContent('#play-line'), /Level 1/);
        const layout = await page.evaluate(() => {
          const box = (id) => document.getElementById(id).getBoundingClientRect().toJSON();
          const canvas = document.getElementById('canvas');
          return { canvas: box('canvas'), keypad: box('keypad'), bar: box('page-bar'),
            scale: Number(canvas.dataset.scale), frame: [canvas.width, canvas.height],
            scroll: document.documentElement.scrollHeight };
        });
        for (const name of ['canvas', 'keypad', 'bar']) {
          const box = layout[name];
          assert.ok(box.left >= 0 && box.top >= 0 && box.right <= width && box.bottom <= height,
            `${name} cut off: ${JSON.stringify(box)}`);
        }
        assert.ok(layout.scroll <= height, 'the page scrolls');
        // One step larger would not fit beside (or above) the keypad and
        // the page's line and keys.
        const [frameWidth, frameHeight] = layout.frame;
        const sideways = width > height;
        const larger = (layout.scale + 1) / pixelRatio;
        const { keypad, bar } = layout;
        const fitsLarger = sideways
          ? frameHeight * larger <= height && frameWidth * larger + keypad.width + bar.width <= width
          : frameWidth * larger <= width && frameHeight * larger + keypad.height + bar.height <= height;
        assert.ok(!fitsLarger, `scale ${layout.scale} is not the largest: ${JSON.stringify(layout)}`);
        await page.close();
      });
    }
  }
});
