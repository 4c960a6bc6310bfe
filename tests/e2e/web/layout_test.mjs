// The page's layout (src/platform/web/page/layout.js) on its own: node --test layout_test.mjs
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import test from 'node:test';
import vm from 'node:vm';

const source = readFileSync(new URL('../../../src/platform/web/page/layout.js', import.meta.url));
const { deviceScale, gridStep, arrange, panelByDefault } =
  vm.runInNewContext(`${source}\nPageLayout`);

test('the scale is the largest whole number of device pixels per picture pixel that fits', () => {
  assert.equal(deviceScale(390, 260, 1), 1);
  assert.equal(deviceScale(1279, 1000, 1), 3, '4 x 390 = 1560 is too wide');
  assert.equal(deviceScale(1920, 1040, 1), 4, 'the height decides: 5 x 260 = 1300');
  assert.equal(deviceScale(1280, 720, 1.5), 4, '1920 x 1080 device pixels');
  assert.equal(deviceScale(412, 700, 2.625), 2, 'a phone upright: 1081.5 device pixels wide');
  assert.equal(deviceScale(915, 412, 2.625), 4, 'the same phone on its side: 1081.5 high');
  assert.equal(deviceScale(390, 844, 3), 3, 'the picture exactly as wide as the phone');
  assert.equal(deviceScale(389.9, 844, 3), 2);
  assert.equal(deviceScale(780 / 2.625, 520 / 2.625, 2.625), 2, 'CSS sizes short by rounding');
  for (const [w, h, r] of [[0, -5, 1], [NaN, 900, 2], [100, 100, 3], [500, 500, 0],
                           [500, 500, NaN]])
    assert.equal(deviceScale(w, h, r), 1, `${w} x ${h} at ${r} still shows the picture`);
  assert.equal(deviceScale(1e12, 1e12, 1), 64);
});

test('the picture\'s corner goes on a grid both layout units and the device pixels hold', () => {
  for (const [ratio, step] of [[1, 1], [1.5, 2], [2, 0.5], [2.625, 8], [3, 1], [1.25, 4], [1.75, 4]])
    assert.equal(gridStep(ratio), step, `at ${ratio}`);
  assert.equal(gridStep(Math.PI), 1 / Math.PI, 'no such grid: whole device pixels');
});

test('phones and desktops: the picture fills the height on its side and the width upright', () => {
  const portrait = arrange(412, 915, 2.625, true);
  assert.equal(portrait.beside, false);
  assert.equal(portrait.scale, 2);
  assert.ok(portrait.side.y >= portrait.picture.y + portrait.picture.height);
  const landscape = arrange(915, 412, 2.625, true);
  assert.equal(landscape.beside, true);
  assert.equal(landscape.scale, 4);
  assert.ok(landscape.side.x >= landscape.picture.x + landscape.picture.width);
  assert.ok(landscape.side.width >= 220, 'the text panel has room beside the picture');
  assert.equal(arrange(1280, 720, 1, true).scale, 2);
  assert.equal(arrange(1920, 1080, 1, true).scale, 4);
  assert.equal(panelByDefault(412, 915, 2.625), true, 'on by default on a phone upright');
  assert.equal(panelByDefault(360, 640, 3), true);
  // A window just wide enough for the picture at 3: a panel below would cost it a scale.
  assert.equal(panelByDefault(1170, 900, 1), false);
});

test('every arrangement keeps the picture on whole device pixels, apart from the side column', () => {
  const ratios = [1, 1.25, 1.5, 1.75, 2, 2.25, 2.625, 3, 3.5];
  for (const ratio of ratios) {
    for (let width = 240; width <= 2600; width += 37) {
      for (let height = 240; height <= 1800; height += 41) {
        for (const panel of [false, true]) {
          const where = `${width} x ${height} at ${ratio}, panel ${panel}`;
          const { scale, picture, side, beside } = arrange(width, height, ratio, panel);
          const whole = (v) => Math.abs(v - Math.round(v)) < 1e-6;
          const onGrid = (v) => whole(v * ratio) && whole(v * 4);
          assert.ok(onGrid(picture.x) && onGrid(picture.y), `corner off the grid: ${where}`);
          assert.ok(Math.abs(picture.width * ratio - 390 * scale) < 1e-6, where);
          assert.ok(Math.abs(picture.height * ratio - 260 * scale) < 1e-6, where);
          // Largest: one more device pixel per picture pixel would not fit beside the side
          // column nor above it.
          const fits = (w, h) => 390 * (scale + 1) <= w * ratio + 1e-6 &&
                                 260 * (scale + 1) <= h * ratio + 1e-6;
          assert.ok(!fits(width - 220, height) && !fits(width, height - (panel ? 176 : 56)),
                    `a larger scale fits: ${where}`);
          if (scale === 1) continue;  // a page too small for any picture overflows
          assert.ok(picture.x >= 0 && picture.y >= 0 && picture.x + picture.width <= width + 1e-6 &&
                    picture.y + picture.height <= height + 1e-6, `picture outside: ${where}`);
          const apart = beside ? side.x >= picture.x + picture.width - 1e-6
                               : side.y >= picture.y + picture.height - 1e-6;
          assert.ok(apart && side.x + side.width <= width + 1e-6 &&
                    side.y + side.height <= height + 1e-6, `side over the picture: ${where}`);
        }
      }
    }
  }
});
