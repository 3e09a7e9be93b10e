// What the browser tests share: the built programs, a score server that
// serves the page, Debian's Chromium, headless reference runs and pixels.
import { spawn, execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { chromium } from 'playwright-core';
import { PNG } from 'pngjs';

const root = resolve(import.meta.dirname, '../..');
export const buildDir = resolve(root, process.env.BT_BUILD || 'build');
export const webDir = resolve(root, process.env.BT_WEB || 'build-web');
const chromiumPath = process.env.BT_CHROMIUM || '/usr/bin/chromium';

export function scratchFolder(t) {
  const folder = mkdtempSync(join(tmpdir(), 'bt-web-'));
  t.after(() => rmSync(folder, { recursive: true, force: true }));
  return folder;
}

const servers = new Map();

// brambletop-scored with the page (or the page in web), on a free port (or
// listen's); stopped after the test, or by stopServer.
export async function startServer(t, folder, { web = webDir, listen = '127.0.0.1:0' } = {}) {
  const server = spawn(join(buildDir, 'bin/brambletop-scored'),
    ['--web', web, '--listen', listen, '--db', join(folder, 'scores.db'), '--quiet'],
    { stdio: ['ignore', 'ignore', 'pipe'] });
  t.after(() => server.kill('SIGTERM'));
  let said = '';
  const port = await new Promise((done, fail) => {
    const timer = setTimeout(() => fail(new Error('the server did not start: ' + said)), 10000);
    server.stderr.on('data', (chunk) => {
      said += chunk;
      const found = /listening on [^ ]*:(\d+),/.exec(said);
      if (found) {
        clearTimeout(timer);
        done(Number(found[1]));
      }
    });
    server.on('exit', (code) => fail(new Error(`the server ended (${code}): ${said}`)));
  });
  const origin = `http://127.0.0.1:${port}`;
  servers.set(origin, server);
  return origin;
}

// Stops the server at origin and waits until it has ended.
export async function stopServer(origin) {
  const server = servers.get(origin);
  servers.delete(origin);
  if (!server || server.exitCode !== null) return;
  await new Promise((done) => {
    server.on('exit', done);
    server.kill('SIGTERM');
  });
}

// Chromium without its own network chatter (this machine's network is
// closed), at one device pixel per CSS pixel so that scale 1 is exact.
// options go to the browser context: hasTouch gives the page a touch screen
// as well as the mouse; isMobile and a viewport make it a phone's.
export async function openBrowser(t, options = {}, extraArgs = []) {
  const browser = await chromium.launch({
    executablePath: chromiumPath,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--force-color-profile=srgb', '--autoplay-policy=no-user-gesture-required', ...extraArgs],
  });
  t.after(() => browser.close());
  const context = await browser.newContext({ viewport: { width: 600, height: 720 },
    deviceScaleFactor: 1, ...options });
  return context;
}

// A page of the game at url, with its errors failing the test.
export async function openGame(context, url) {
  const page = await context.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  page.problems = problems;
  await page.goto(url);
  await page.waitForFunction(() => document.body.dataset.state === 'running', null,
    { timeout: 30000 });
  return page;
}

// Key presses with a pause after each, long enough for the screen's
// animations to end.
export async function pressKeys(page, keys, settleMs = 250) {
  for (const key of keys) {
    await page.keyboard.press(key);
    await page.waitForTimeout(settleMs);
  }
}

// The canvas as the browser shows it: a screenshot of its box, RGB rows.
export async function canvasPicture(page) {
  const png = PNG.sync.read(await page.locator('canvas').screenshot());
  return { width: png.width, height: png.height, rgba: png.data };
}

// The frame a headless run of script shows at its end (with more of the
// program's options when given).
export function headlessPicture(folder, display, scriptLines, options = []) {
  const shot = join(folder, `headless-${display}.png`);
  const script = join(folder, `script-${display}.txt`);
  const data = join(folder, `data-${display}`);
  writeFileSync(script, [...scriptLines, `shot ${shot}`, ''].join('\n'));
  execFileSync(join(buildDir, 'bin/brambletop'),
    ['--headless', '--script', script, '--display', display, '--data-dir', data, ...options],
    { stdio: ['ignore', 'ignore', 'inherit'] });
  const png = PNG.sync.read(readFileSync(shot));
  return { width: png.width, height: png.height, rgba: png.data };
}

// How many pixels differ in colour (alpha is not compared).
export function differingPixels(a, b) {
  if (a.width !== b.width || a.height !== b.height) return Infinity;
  let count = 0;
  for (let i = 0; i < a.width * a.height * 4; i += 4) {
    if (a.rgba[i] !== b.rgba[i] || a.rgba[i + 1] !== b.rgba[i + 1] ||
        a.rgba[i + 2] !== b.rgba[i + 2]) {
      ++count;
    }
  }
  return count;
}

export function savePicture(picture, path) {
  const png = new PNG({ width: picture.width, height: picture.height });
  picture.rgba.copy(png.data);
  writeFileSync(path, PNG.sync.write(png));
}
