// A player's visit in Chromium: the whole game by keyboard, mouse and touch,
// the saved game kept across a reload (and a storage that keeps nothing said
// beside the canvas), and the score exchange with the server that serves the
// page.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import {
  canvasPicture, differingPixels, headlessPicture, openBrowser, openGame, pressKeys,
  scratchFolder, startServer,
} from './support.mjs';

// The intro runs a while, then any key leads to the main menu.
async function skipIntro(page) {
  await page.waitForTimeout(1000);
  await pressKeys(page, ['Enter'], 1500);
}

// Resolves once the page has copied its files to IndexedDB count times.
async function filesKept(page, count) {
  await page.waitForFunction((n) => Number(document.body.dataset.kept || 0) >= n, count,
    { timeout: 10000 });
}

test('a game left and the page reloaded continues where it was', async (t) => {
  const origin = await startServer(t, scratchFolder(t));
  const context = await openBrowser(t);
  const page = await openGame(context, `${origin}/`);
  await skipIntro(page);
  await pressKeys(page, ['Enter'], 1500);  // new game
  await pressKeys(page, ['Enter'], 1000);  // rotate the ring at the cursor
  const played = await canvasPicture(page);
  await pressKeys(page, ['F1'], 1500);  // the menu button: back to the main menu
  await filesKept(page, 1);

  await page.reload();
  await page.waitForFunction(() => document.body.dataset.state === 'running');
  await skipIntro(page);
  await pressKeys(page, ['ArrowDown', 'Enter'], 1500);  // continue
  const continued = await canvasPicture(page);
  assert.equal(differingPixels(continued, played), 0, 'the board after the reload');
  assert.deepEqual(page.problems, []);
});

test('files the browser will not keep are said above the canvas; the game goes on', async (t) => {
  const origin = await startServer(t, scratchFolder(t));
  const context = await openBrowser(t);
  // Storage that is full: IndexedDB opens and reads, but takes nothing.
  await context.addInitScript(() => {
    IDBObjectStore.prototype.put = function() {
      throw new DOMException('the quota is used up', 'QuotaExceededError');
    };
  });
  const page = await openGame(context, `${origin}/`);
  const notice = page.locator('#notice');
  assert.equal(await notice.isVisible(), false, 'nothing to say before a save');
  await skipIntro(page);
  await pressKeys(page, ['Enter'], 1500);  // new game
  await pressKeys(page, ['F1'], 1500);  // back to the menu: "save.dat" is written
  await notice.waitFor({ state: 'visible', timeout: 10000 });
  assert.match(await notice.innerText(), /cannot keep your settings, scores and saved game/);
  assert.equal(await page.locator('canvas').isVisible(), true);
  const menu = await canvasPicture(page);
  await pressKeys(page, ['ArrowDown'], 1000);  // the menu still answers
  assert.notEqual(differingPixels(await canvasPicture(page), menu), 0);
  assert.deepEqual(page.problems, []);
});

test('with the sound switched on, a rotation is heard through Web Audio', async (t) => {
  const origin = await startServer(t, scratchFolder(t));
  const context = await openBrowser(t);
  const page = await openGame(context, `${origin}/`);
  await skipIntro(page);  // the first key also starts the page's audio
  const heard = () => page.evaluate(() => Number(document.body.dataset.heardBuffers || 0));
  // Options: CHANGE switches "Sound" on, DONE keeps it; then a new game.
  await pressKeys(page, ['ArrowDown', 'ArrowDown', 'Enter'], 1500);
  await pressKeys(page, ['F2', 'F1'], 1500);
  await pressKeys(page, ['Enter'], 1500);
  assert.equal(await heard(), 0, 'nothing sounded before the rotation');
  await pressKeys(page, ['Enter'], 1000);
  assert.ok(await heard() > 0, 'no buffer with sound in it reached Web Audio');
  assert.deepEqual(page.problems, []);
});

test('a still menu sleeps until a key; quitting ends the program and the page says so', async (t) => {
  const origin = await startServer(t, scratchFolder(t));
  const context = await openBrowser(t);
  const page = await openGame(context, `${origin}/`);
  await skipIntro(page);
  // Once its entries rest, the menu has nothing to do until a key comes:
  // the loop takes no step at all over a second.
  await page.waitForFunction(() => document.body.dataset.pace === 'still', null,
    { timeout: 5000 });
  const wakes = () => page.evaluate(() => Module._bt_web_wakes());
  const before = await wakes();
  await page.waitForTimeout(1000);
  assert.equal(await wakes(), before, 'the still menu woke up');
  await pressKeys(page, ['ArrowUp', 'Enter'], 1000);  // the menu wraps round to "quit"
  await page.waitForFunction(() => document.body.dataset.state === 'ended');
  assert.equal(await page.locator('canvas').isVisible(), false);
  assert.match(await page.locator('#message').innerText(), /has ended/);
  await filesKept(page, 1);  // "settings.dat", written as the program ends
  assert.deepEqual(page.problems, []);
});

test('the mouse and touch play as the pen does', async (t) => {
  const folder = scratchFolder(t);
  const origin = await startServer(t, folder);
  // The "new game" entry, then the rotate-left button, in frame pixels.
  const taps = [[120, 80], [37, 285]];
  const context = await openBrowser(t, { hasTouch: true });
  const expected = headlessPicture(folder, '240x320', ['wait 60', 'press Action', 'wait 80',
    ...taps.flatMap(([x, y]) => [`tap ${x} ${y}`, 'wait 80'])]);
  for (const pointer of ['mouse', 'touch']) {
    await t.test(pointer, async () => {
      const page = await openGame(context, `${origin}/?scale=1`);
      await skipIntro(page);
      const box = await page.locator('canvas').boundingBox();
      for (const [x, y] of taps) {
        if (pointer === 'mouse') {
          await page.mouse.click(box.x + x + 0.5, box.y + y + 0.5);
        } else {
          await page.touchscreen.tap(box.x + x + 0.5, box.y + y + 0.5);
        }
        await page.waitForTimeout(1500);
      }
      assert.equal(differingPixels(await canvasPicture(page), expected), 0);
      await page.close();
    });
  }
});

// A keyboard player (Enter turns the ring left as Action does, Backspace
// right, Escape leaves, letters type the name, a click on a caption presses
// its soft key), or the phone's keys on the on-page keypad that a phone's
// browser shows under the canvas (its codes are the keyboard's: OK is
// Space, back is Backspace).
const ways = [
  { name: 'the keyboard and the mouse', context: {}, action: 'Enter', leave: 'Escape',
    press: (page, code) => page.keyboard.press(code),
    // The name by letters; SUBMIT, then CONNECT, by a click on its caption.
    typeName: async (page, press) => {
      await press(['KeyB', 'KeyO'], 300);
      const box = await page.locator('canvas').boundingBox();
      const scale = box.width / 240;
      for (let i = 0; i < 2; ++i) {
        await page.mouse.click(box.x + 200 * scale, box.y + 300 * scale);
        await page.waitForTimeout(i === 0 ? 1500 : 2000);
      }
    } },
  { name: 'the on-page keypad on a touch screen', action: 'Space', leave: 'F1',
    context: { hasTouch: true, isMobile: true, viewport: { width: 390, height: 844 } },
    press: (page, code) => page.locator(`#keypad button[data-code="${code}"]`).tap(),
    // "BO" by multi-tap, then SUBMIT and CONNECT.
    typeName: async (page, press) => {
      await press(['Digit2', 'Digit2'], 150);
      await page.waitForTimeout(800);
      await press(['Digit6', 'Digit6', 'Digit6'], 150);
      await page.waitForTimeout(800);
      await press(['F2'], 1500);
      await press(['F2'], 2000);
    } },
];

for (const way of ways) {
  test(`a solved level is named, submitted and fetched by ${way.name}`, async (t) => {
    const origin = await startServer(t, scratchFolder(t));
    const context = await openBrowser(t, way.context);
    const page = await openGame(context, `${origin}/`);
    const press = async (codes, settleMs) => {
      for (const code of codes) {
        await way.press(page, code);
        await page.waitForTimeout(settleMs);
      }
    };
    await page.waitForTimeout(1000);
    await press([way.action, way.action], 1500);  // past the intro, a new game
    // Level 1 by its shortest solution, then the menu button.
    const action = way.action;
    await press(['ArrowUp', 'ArrowUp', action, 'ArrowLeft', 'Backspace', 'ArrowLeft', action,
      'ArrowLeft', 'Backspace'], 600);
    await press([way.leave], 1500);
    // The score table offers the row: "BO", then SUBMIT and CONNECT.
    await way.typeName(page, press);

    const table = await (await fetch(`${origin}/highscorescript/highscore.asp?game=brambletop`,
      { method: 'POST', body: 'OK' })).text();
    assert.match(table, /\b1 BO\b/, 'the server took the row');
    // DONE: the score table shows the server's rows.
    await press([way.leave], 1500);
    assert.deepEqual(page.problems, []);
  });
}
