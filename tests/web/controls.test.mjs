// What the page tells a player about the keys: the legend beside the canvas,
// which follows the screen and the key map, '?' over the picture, and the
// on-page keypad's back, undo, redo and hint on a phone.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import {
  canvasPicture, differingPixels, openBrowser, openGame, pressKeys, scratchFolder, startServer,
} from './support.mjs';

// The legend's rows as [keys, what] pairs.
function legendRows(page) {
  return page.locator('#legend-rows tr').evaluateAll((rows) =>
    rows.map((row) => [row.cells[0].textContent, row.cells[1].textContent]));
}

function hasRow(rows, keys, what) {
  return rows.some(([k, w]) => k === keys && w === what);
}

test('the legend beside the canvas follows the screen and a rebound key', async (t) => {
  const origin = await startServer(t, scratchFolder(t));
  const context = await openBrowser(t);
  const page = await openGame(context, `${origin}/`);
  await page.waitForTimeout(1000);
  await pressKeys(page, ['Enter'], 1500);
  assert.ok(await page.locator('#legend').isVisible());
  let rows = await legendRows(page);
  assert.ok(hasRow(rows, 'Space Enter', 'open'), JSON.stringify(rows));
  assert.ok(hasRow(rows, 'Backspace', 'quit'), JSON.stringify(rows));

  await pressKeys(page, ['Enter'], 1500);  // a new game
  rows = await legendRows(page);
  for (const [keys, what] of [['Space Enter Q', 'Rotate Left'], ['Backspace E', 'Rotate Right'],
    ['F1 Esc', 'Quit'], ['U Ctrl+Z', 'Undo'], ['Shift+U Ctrl+Y', 'Redo'], ['H', 'Hint'],
    ['?', 'this list']]) {
    assert.ok(hasRow(rows, keys, what), `${keys} ${what} in ${JSON.stringify(rows)}`);
  }
  // '?' shows the same legend over the picture, and again hides it.
  const plain = await canvasPicture(page);
  await pressKeys(page, ['Shift+Slash'], 500);
  assert.ok(differingPixels(await canvasPicture(page), plain) > 0, 'the legend over the picture');
  await pressKeys(page, ['Shift+Slash'], 500);
  assert.equal(differingPixels(await canvasPicture(page), plain), 0);

  // Escape leaves the game; in the options "Rotate Left" gets the key 5.
  await pressKeys(page, ['Escape'], 1500);
  await pressKeys(page, ['ArrowDown', 'ArrowDown', 'Enter'], 1500);
  await pressKeys(page, ['ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'F2',
    'Digit5'], 300);
  rows = await legendRows(page);
  assert.ok(hasRow(rows, '5 Q', 'Rotate Left'), JSON.stringify(rows));
  assert.ok(hasRow(rows, 'F1 Esc Enter', 'DONE'), JSON.stringify(rows));
  assert.deepEqual(page.problems, []);
});

test("the keypad's back is the phone's Back, and undo and redo take a turn back and forth",
  async (t) => {
    const origin = await startServer(t, scratchFolder(t));
    const context = await openBrowser(t,
      { hasTouch: true, isMobile: true, viewport: { width: 390, height: 844 } });
    const page = await openGame(context, `${origin}/`);
    const tap = async (code, settleMs = 1500) => {
      await page.locator(`#keypad button[data-code="${code}"]`).tap();
      await page.waitForTimeout(settleMs);
    };
    assert.equal(await page.locator('#legend').isVisible(), false, 'no keyboard on a phone');
    await page.waitForTimeout(1000);
    await tap('Space');
    await tap('Space');  // a new game
    await tap('ArrowUp');
    const start = await canvasPicture(page);
    await tap('Backspace');  // the ring turns right
    const turned = await canvasPicture(page);
    assert.ok(differingPixels(turned, start) > 0, 'back turned the ring');
    await tap('KeyZ');  // undo
    assert.equal(differingPixels(await canvasPicture(page), start), 0, 'undo');
    await tap('KeyY');  // redo
    assert.equal(differingPixels(await canvasPicture(page), turned), 0, 'redo');
    assert.deepEqual(page.problems, []);
  });

test("the keypad's hint shows over the board, and the next key takes it away", async (t) => {
  const origin = await startServer(t, scratchFolder(t));
  const context = await openBrowser(t,
    { hasTouch: true, isMobile: true, viewport: { width: 390, height: 844 } });
  const page = await openGame(context, `${origin}/`);
  const tap = async (code, settleMs = 1500) => {
    await page.locator(`#keypad button[data-code="${code}"]`).tap();
    await page.waitForTimeout(settleMs);
  };
  await page.waitForTimeout(1000);
  await tap('Space');
  await tap('Space');  // a new game
  const start = await canvasPicture(page);
  await tap('KeyH');
  assert.ok(differingPixels(await canvasPicture(page), start) > 0, 'the hint shows');
  // Up and down again: the board as it was, without the hint.
  await tap('ArrowUp');
  await tap('ArrowDown');
  assert.equal(differingPixels(await canvasPicture(page), start), 0);
  assert.deepEqual(page.problems, []);
});

// The Levels button under the canvas opens the level select from the main
// menu, and types nothing into a name being typed (it once sent the L key).
test('the Levels button opens the level select and types no letter into a name', async (t) => {
  const origin = await startServer(t, scratchFolder(t));
  const context = await openBrowser(t);
  const page = await openGame(context, `${origin}/`);
  await page.waitForTimeout(1000);
  await pressKeys(page, ['Enter'], 1500);  // the main menu
  await page.locator('#level-select').click();
  await page.waitForTimeout(1500);
  let rows = await legendRows(page);
  assert.ok(rows.some(([, what]) => what === 'PLAY'), JSON.stringify(rows));
  await pressKeys(page, ['Escape'], 1500);  // BACK to the menu

  // A new game, level 1 by its shortest solution, left for the score table.
  await pressKeys(page, ['Enter'], 1500);
  await pressKeys(page, ['ArrowUp', 'ArrowUp', 'Enter', 'ArrowLeft', 'Backspace', 'ArrowLeft',
    'Enter', 'ArrowLeft', 'Backspace'], 600);
  await pressKeys(page, ['Escape'], 1500);
  await pressKeys(page, ['KeyB'], 300);
  await page.locator('#level-select').click();
  await page.waitForTimeout(300);
  await pressKeys(page, ['KeyO'], 300);
  await pressKeys(page, ['F2'], 1500);  // SUBMIT
  await pressKeys(page, ['F2'], 2000);  // CONNECT
  const table = await (await fetch(`${origin}/highscorescript/highscore.asp?game=brambletop`,
    { method: 'POST', body: 'OK' })).text();
  assert.match(table, /\b1 BO\b/, table);
  assert.deepEqual(page.problems, []);
});
