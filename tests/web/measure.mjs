// The page's figures for docs/developing.md: what a visit downloads (gzip, as
// brambletop-scored --web sends it), the time to the first frame in headless
// Chromium, and the CPU that idle screens (the main menu, a game, the score
// table) cost the browser against an empty page. With --shot
// FILE it also saves a picture of the page mid-game.
//   node tests/web/measure.mjs [--shot FILE]   (after scripts/web-test.sh)
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { openBrowser, openGame, pressKeys, scratchFolder, startServer, webDir } from './support.mjs';

const files = ['index.html', 'brambletop.js', 'brambletop.wasm', 'brambletop.data'];
const kib = (bytes) => (bytes / 1024).toFixed(0) + ' KiB';

// Seconds of CPU (user + system) used so far by the Chromium processes this
// script started.
function chromiumCpuSeconds() {
  const rootPid = process.pid;
  const ticksPerSecond = 100;
  const stats = [];
  for (const entry of readdirSync('/proc')) {
    if (!/^\d+$/.test(entry)) continue;
    try {
      const text = readFileSync(`/proc/${entry}/stat`, 'utf8');
      const fields = text.slice(text.lastIndexOf(')') + 2).split(' ');
      stats.push({ pid: Number(entry), parent: Number(fields[1]), name: text.split(' ')[1],
        ticks: Number(fields[11]) + Number(fields[12]) });
    } catch {
      // the process ended meanwhile
    }
  }
  const family = new Set([rootPid]);
  for (let grew = true; grew;) {
    grew = false;
    for (const s of stats) {
      if (!family.has(s.pid) && family.has(s.parent)) {
        family.add(s.pid);
        grew = true;
      }
    }
  }
  return stats.filter((s) => family.has(s.pid) && s.name.includes('chrom')).reduce((sum, s) => sum + s.ticks, 0) /
    ticksPerSecond;
}
// What the tests' helpers stop after a test, stopped at the end.
const cleanups = [];
const t = { after: (f) => cleanups.push(f) };

try {
  let raw = 0;
  let packed = 0;
  for (const file of files) {
    raw += statSync(join(webDir, file)).size;
    packed += statSync(join(webDir, file + '.gz')).size;
    console.log(`${file}: ${kib(statSync(join(webDir, file)).size)}, ` +
      `${kib(statSync(join(webDir, file + '.gz')).size)} with gzip`);
  }
  console.log(`download: ${kib(raw)}, ${kib(packed)} with gzip`);

  const origin = await startServer(t, scratchFolder(t));
  const context = await openBrowser(t);
  const firstFrames = [];
  for (let i = 0; i < 5; ++i) {
    const page = await openGame(context, `${origin}/`);
    firstFrames.push(Number(await page.evaluate(() => document.body.dataset.firstFrameMs)));
    await page.close();
  }
  firstFrames.sort((a, b) => a - b);
  console.log(`first frame after navigation: median ${firstFrames[2]} ms ` +
    `(${firstFrames.join(', ')})`);

  // A second visit: the browser revalidates what it holds.
  const visit = await openGame(context, `${origin}/`);
  const revalidated = [];
  visit.on('response', (response) => revalidated.push(response));
  await visit.reload();
  await visit.waitForFunction(() => document.body.dataset.state === 'running');
  let bytes = 0;
  for (const response of revalidated) {
    const sizes = await response.request().sizes();
    bytes += sizes.responseBodySize + sizes.responseHeadersSize;
  }
  console.log(`reload: ${revalidated.length} requests, statuses ` +
    `${revalidated.map((r) => r.status()).join(' ')}, ${bytes} bytes received`);
  await visit.close();

  // The CPU of all of Chromium's processes while the page shown does nothing.
  const seconds = 20;
  async function idle(what) {
    const before = chromiumCpuSeconds();
    await new Promise((done) => setTimeout(done, seconds * 1000));
    const used = chromiumCpuSeconds() - before;
    console.log(`${what}: ${(100 * used / seconds).toFixed(1)}% of one core ` +
      `(all of Chromium's processes, ${seconds} s)`);
  }
  // Each browser is measured once it has settled: a browser just started
  // spends seconds of CPU on its own start-up, and a page just loaded on
  // compiling its program (the WebAssembly's optimising tier comes later).
  const settle = (ms) => new Promise((done) => setTimeout(done, ms));
  // For scale, an empty page in a browser of its own.
  const blank = { after: (f) => cleanups.push(f) };
  const emptyBrowser = await openBrowser(blank);
  const empty = await emptyBrowser.newPage();
  await empty.goto('about:blank');
  await settle(10000);
  await idle('an empty page');
  await emptyBrowser.browser().close();

  // The game in a browser of its own too; the keys unlock its sound, whose
  // audio context rests a second after the last sound.
  const gameBrowser = await openBrowser({ after: (f) => cleanups.push(f) });
  const page = await openGame(gameBrowser, `${origin}/`);
  await settle(20000);
  // The main menu: the first frames after the intro make the menu's code
  // hot, and the browser optimises it in the background for a few seconds.
  await pressKeys(page, ['Enter'], 15000);
  await idle('idle main menu');
  await pressKeys(page, ['Enter'], 5000);  // a new game
  await idle('idle game screen');
  await pressKeys(page, ['F1'], 2000);  // back to the menu
  await pressKeys(page, ['F2'], 5000);  // the score table
  await idle('idle score table');
  await pressKeys(page, ['F1'], 2000);

  const shot = process.argv.indexOf('--shot');
  if (shot > 0) {
    await pressKeys(page, ['Enter', 'Enter'], 1500);  // continue the game
    await pressKeys(page, ['ArrowUp', 'Enter'], 1200);
    await page.screenshot({ path: process.argv[shot + 1] });
  }
} finally {
  for (const f of cleanups.reverse()) await f();
}
