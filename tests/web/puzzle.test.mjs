// The endless mode on the page: a puzzle named in the address is made
// between frames (the page keeps drawing while it works, as it has no
// threads) into the board a headless run makes, and a solved puzzle's
// result is copied by the page's button.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import {
  canvasPicture, differingPixels, headlessPicture, openBrowser, openGame, pressKeys,
  savePicture, scratchFolder, startServer,
} from './support.mjs';

test('a costly puzzle is made between frames into the board a headless run makes', async (t) => {
  const folder = scratchFolder(t);
  const origin = await startServer(t, folder);
  const context = await openBrowser(t);
  // One of the costliest ids: its candidates all miss the criteria, so the
  // whole budget is spent.
  const id = '9c1p10h-9d6sb';
  const page = await openGame(context, `${origin}/?puzzle=${id}&scale=1`);
  const making = await page.evaluate(async () => {
    const line = () => document.getElementById('play-line').textContent;
    const start = performance.now();
    let frames = 0;
    let longest = 0;
    let last = start;
    // The program says what it does from its first frames on.
    while (line() === '' && performance.now() - start < 10000) {
      await new Promise((done) => requestAnimationFrame(done));
    }
    while (/making the puzzle/.test(line()) && performance.now() - start < 30000) {
      await new Promise((done) => requestAnimationFrame(done));
      const now = performance.now();
      longest = Math.max(longest, now - last);
      last = now;
      ++frames;
    }
    return { frames, longest, line: line() };
  });
  assert.match(making.line, /Puzzle 9c1p10h-9d6sb - 0 moves - par \d+/);
  assert.ok(making.frames >= 20, `only ${making.frames} frames came while the puzzle was made`);
  assert.ok(making.longest < 500, `the page stood still for ${Math.round(making.longest)} ms`);
  await page.waitForTimeout(500);
  const expected = headlessPicture(folder, '240x320', ['wait 400'], ['--puzzle', id]);
  const shown = await canvasPicture(page);
  const differing = differingPixels(shown, expected);
  if (differing !== 0) {
    savePicture(shown, join(folder, 'puzzle-browser.png'));
    savePicture(expected, join(folder, 'puzzle-headless.png'));
  }
  assert.equal(differing, 0, `${differing} pixels differ from the headless run`);
  assert.deepEqual(page.problems, []);
});

test("a solved puzzle's result is offered beside the canvas and copied by its button",
  async (t) => {
    const origin = await startServer(t, scratchFolder(t));
    const context = await openBrowser(t);
    await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin });
    const page = await openGame(context, `${origin}/?puzzle=5c2p2e-00001`);
    const share = page.locator('#share');
    await page.waitForFunction(
      () => /par 8/.test(document.getElementById('play-line').textContent), null,
      { timeout: 10000 });
    assert.equal(await share.isVisible(), false, 'nothing to copy before a solve');
    // D>U<RD>>: Space turns the ring left, Backspace right.
    await pressKeys(page, ['ArrowDown', 'Backspace', 'ArrowUp', 'Space', 'ArrowRight',
      'ArrowDown', 'Backspace', 'Backspace'], 600);
    await share.waitFor({ state: 'visible', timeout: 5000 });
    const result = 'Brambletop puzzle 5c2p2e-00001: 8 moves, par 8';
    assert.equal(await share.getAttribute('data-text'), result);
    assert.match(await page.locator('#play-line').innerText(), /solved in 8 moves - par 8/);
    await share.click();
    await page.waitForFunction((text) => document.body.dataset.copied === text, result,
      { timeout: 5000 });
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), result);
    assert.equal(await share.innerText(), 'Copied');
    // Played again: the result goes.
    await pressKeys(page, ['KeyR'], 600);
    assert.equal(await share.isVisible(), false);
    assert.deepEqual(page.problems, []);
  });
