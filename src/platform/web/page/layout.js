// Where the picture and the side column (the page's bar, its menu, notes and the text panel) sit
// in the viewport. The picture is scaled by the largest whole number of device pixels per picture
// pixel that fits and placed on whole device pixels, so that every picture pixel has the same
// size at any device pixel ratio (its corner also at a CSS position that browsers' layout units,
// 1/64 and 1/60 of a CSS pixel, hold exactly: else they shift the picture by a device pixel). The side column goes beside the picture when that leaves the
// picture larger (or as large, in landscape), below it otherwise. Pure functions: the page script
// and tests/e2e/web/layout_test.mjs load this file as it is.
const PageLayout = (() => {
  const kPictureWidth = 390, kPictureHeight = 260;
  const kMaxScale = 64;
  // CSS pixels: the narrowest and widest side column beside the picture, the bar alone below it,
  // and the bar with a text panel of a few lines and its buttons below it.
  const kSideWidth = 220, kSideMaxWidth = 480, kBarHeight = 56, kPanelHeight = 176;
  // How far a product of CSS size and ratio may fall short of a whole device pixel and still
  // count as reaching it (CSS sizes come rounded).
  const kSlack = 1e-6;

  const validRatio = (ratio) => (ratio > 0 && Number.isFinite(ratio) ? ratio : 1);
  const whole = (v) => Math.abs(v - Math.round(v)) < 1e-9;

  // The finest grid of CSS positions that are whole device pixels and quarters of a CSS pixel (a
  // quarter is a whole number of both layout units): 1 at a ratio of 1, 2 at 1.5, 8 at 2.625.
  function gridStep(ratio) {
    for (let quarters = 1; quarters <= 1024; ++quarters)
      if (whole((quarters / 4) * ratio)) return quarters / 4;
    return 1 / ratio;  // no such grid: whole device pixels at least
  }

  // Device pixels per picture pixel at which the picture fits in `width` x `height` CSS pixels
  // on a screen of `ratio` device pixels per CSS pixel: the largest whole number, at least 1 (a
  // tiny page shows the picture cut off rather than nothing), at most kMaxScale.
  function deviceScale(width, height, ratio) {
    const r = validRatio(ratio);
    const fit = Math.min(Math.floor((width * r) / kPictureWidth + kSlack),
                         Math.floor((height * r) / kPictureHeight + kSlack));
    return fit >= 1 ? Math.min(fit, kMaxScale) : 1;
  }

  // The arrangement for a viewport of `width` x `height` CSS pixels at `ratio`, with or without
  // the text panel: {beside, scale, picture, side}, the rectangles {x, y, width, height} in CSS
  // pixels, the picture's corner on whole device pixels.
  function arrange(width, height, ratio, panel) {
    const r = validRatio(ratio);
    const step = gridStep(r);
    const snap = (v) => Math.floor(v / step + 1e-9) * step;
    const right = deviceScale(width - kSideWidth, height, r);
    const below = deviceScale(width, height - (panel ? kPanelHeight : kBarHeight), r);
    const beside = right > below || (right === below && width >= height);
    const scale = beside ? right : below;
    const pictureWidth = (kPictureWidth * scale) / r, pictureHeight = (kPictureHeight * scale) / r;
    if (beside) {
      const sideWidth = Math.min(Math.max(width - pictureWidth, 0), kSideMaxWidth);
      const x = snap(Math.max((width - pictureWidth - sideWidth) / 2, 0));
      return {
        beside, scale,
        picture: { x, y: snap(Math.max((height - pictureHeight) / 2, 0)), width: pictureWidth,
                   height: pictureHeight },
        side: { x: x + pictureWidth, y: 0, width: sideWidth, height },
      };
    }
    // Below: without the panel the picture and the bar are centred together; the side column
    // takes everything under the picture either way (the menu opens there).
    const y = panel ? 0 : snap(Math.max((height - pictureHeight - kBarHeight) / 2, 0));
    const sideWidth = Math.min(width, 2 * kSideMaxWidth);
    return {
      beside, scale,
      picture: { x: snap(Math.max((width - pictureWidth) / 2, 0)), y, width: pictureWidth,
                 height: pictureHeight },
      side: { x: Math.max((width - sideWidth) / 2, 0), y: y + pictureHeight, width: sideWidth,
              height: Math.max(height - y - pictureHeight, 0) },
    };
  }

  // Whether the text panel is on for a player who has not switched it: wherever it leaves the
  // picture as large as it would be without it (a phone held upright, most desktop windows).
  function panelByDefault(width, height, ratio) {
    return arrange(width, height, ratio, true).scale === arrange(width, height, ratio, false).scale;
  }

  return { deviceScale, gridStep, arrange, panelByDefault, kPictureWidth, kPictureHeight };
})();
