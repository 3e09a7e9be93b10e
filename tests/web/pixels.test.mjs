// The page and the headless program draw the same frames: the same keys give
// the same picture, pixel for pixel, on the canvas at scale 1 as in a
// headless run's screenshot, at both display sizes.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import {
  canvasPicture, differingPixels, headlessPicture, openBrowser, openGame, savePicture,
  scratchFolder, startServer,
} from './support.mjs';

// Each screen: the script's steps, and the same keys in the browser. The
// waits let every animation end (the browser's frames come on its own clock).
const toMenu = { script: ['wait 60', 'press Action', 'wait 80'], keys: ['Enter'] };
const screens = [
  { name: 'menu', script: [], keys: [] },
  { name: 'game after a rotation', script: ['press Action', 'wait 80', 'press Action', 'wait 60'],
    keys: ['Enter', 'Enter'] },
  { name: 'options', script: ['press Down', 'press Down', 'press Action', 'wait 80'],
    keys: ['ArrowDown', 'ArrowDown', 'Enter'] },
];

for (const display of ['240x320', '176x220']) {
  test(`the canvas shows the headless frames at ${display}`, async (t) => {
    const folder = scratchFolder(t);
    const origin = await startServer(t, folder);
    const context = await openBrowser(t);
    for (const screen of screens) {
      await t.test(screen.name, async () => {
        const expected = headlessPicture(folder, display, [...toMenu.script, ...screen.script]);
        const page = await openGame(context, `${origin}/?display=${display}&scale=1`);
        await page.waitForTimeout(1000);  // the intro runs a while first
        for (const key of [...toMenu.keys, ...screen.keys]) {
          await page.keyboard.press(key);
          await page.waitForTimeout(1500);
        }
        const shown = await canvasPicture(page);
        const differing = differingPixels(shown, expected);
        if (differing !== 0) {
          const name = `${screen.name.replaceAll(' ', '-')}-${display}`;
          savePicture(shown, join(folder, `${name}-browser.png`));
          savePicture(expected, join(folder, `${name}-headless.png`));
        }
        assert.equal(differing, 0, `${differing} pixels differ (${shown.width}x${shown.height} ` +
          `against ${expected.width}x${expected.height})`);
        assert.deepEqual(page.problems, []);
        await page.close();
      });
    }
  });
}
