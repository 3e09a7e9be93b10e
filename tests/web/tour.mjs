// A player's look at the page: a screenshot of each screen as Chromium shows
// it, at both display sizes, into OUTDIR (PAGE-DISPLAY.png), and one of the
// page on a phone-sized touch screen, upright and sideways
// (phone-DISPLAY.png, phone-sideways-DISPLAY.png).
//   node tests/web/tour.mjs OUTDIR   (after scripts/web-test.sh)
import { mkdirSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { openBrowser, openGame, pressKeys, scratchFolder, startServer } from './support.mjs';

if (process.argv.length !== 3) {
  console.error('usage: node tests/web/tour.mjs OUTDIR');
  process.exit(2);
}
const out = resolve(process.argv[2]);
mkdirSync(out, { recursive: true });
const cleanups = [];
const t = { after: (f) => cleanups.push(f) };

// Each stop: the keys that lead there from the one before, and its name.
const stops = [
  { keys: [], name: 'menu' },
  { keys: ['ArrowDown', 'ArrowDown', 'Enter'], name: 'options' },
  { keys: ['F1', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'Enter'], name: 'help' },
  { keys: ['F1', 'ArrowUp', 'ArrowUp', 'ArrowUp', 'ArrowUp', 'Enter', 'Enter'], name: 'game' },
  { keys: ['F1', 'F2'], name: 'scores' },
  { keys: ['F2'], name: 'online' },
  { keys: ['F2'], name: 'online-fetched' },
  { keys: ['F1', 'F1', 'ArrowUp', 'Enter'], name: 'ended' },
];

try {
  const origin = await startServer(t, scratchFolder(t));
  // Wide enough for the picture at scale 2 with the key legend beside it.
  const context = await openBrowser(t, { viewport: { width: 1000, height: 720 } });
  for (const display of ['240x320', '176x220']) {
    const page = await openGame(context, `${origin}/?display=${display}`);
    await page.waitForTimeout(1000);
    await page.screenshot({ path: join(out, `intro-${display}.png`) });
    await pressKeys(page, ['Enter'], 1500);
    for (const stop of stops) {
      await pressKeys(page, stop.keys, 1200);
      await page.screenshot({ path: join(out, `${stop.name}-${display}.png`) });
    }
    if (page.problems.length) console.error(page.problems.join('\n'));
    await page.close();
  }
  // A phone, upright and sideways: its keys beside the canvas, tapped to a
  // game.
  for (const [width, height, held] of [[390, 844, 'phone'], [844, 390, 'phone-sideways']]) {
    const phone = await openBrowser(t, { hasTouch: true, isMobile: true, deviceScaleFactor: 2,
      viewport: { width, height } });
    for (const display of ['240x320', '176x220']) {
      const page = await openGame(phone, `${origin}/?display=${display}`);
      await page.waitForTimeout(1000);
      for (const code of ['Space', 'Space', 'ArrowUp', 'Space']) {
        await page.locator(`#keypad button[data-code="${code}"]`).tap();
        await page.waitForTimeout(1200);
      }
      await page.screenshot({ path: join(out, `${held}-${display}.png`) });
      await page.close();
    }
  }
  console.log(`screenshots in ${out}`);
} finally {
  for (const f of cleanups.reverse()) await f();
}
