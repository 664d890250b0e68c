// A frame drawn by the core onto a canvas: its pixels with putImageData, then its texts with the
// canvas's fillText in the scene's fonts, at the scale the frame was drawn at. And the sentence
// that tells a screen reader what the picture shows, in a polite live region beside the canvas.
'use strict';

(() => {
    const vesk = (window.vesk = window.vesk || {});

    // The scene's font, as on the desktop: Chinese serif faces, whichever the machine has, and up
    // to 16 pixels Latin letters in a Latin face where SimSun is missing (AR PL UMing's own small
    // Latin letters are bitmaps that draw W as ₩).
    const kSceneFonts = '"SimSun", "宋体", "AR PL UMing CN", "Noto Serif CJK SC", serif';
    const kSmallSceneFonts =
        '"SimSun", "宋体", "Arial", "Liberation Sans", "AR PL UMing CN", "Noto Serif CJK SC", serif';

    // The texts of the frame being drawn, handed over by the core; written after its pixels.
    let pendingTexts = [];
    vesk.onText = (x, y, text, pixels, colour, opaque) =>
        pendingTexts.push({x, y, text, pixels, colour, opaque});
    // Called before the core draws a frame.
    vesk.startFrame = () => {
        pendingTexts = [];
    };

    function writeText(ctx, t) {
        ctx.font = `${t.pixels}px ${t.pixels <= 16 ? kSmallSceneFonts : kSceneFonts}`;
        const metrics = ctx.measureText(t.text);
        // Anchored at the top-left like the desktop's text: the baseline is one ascent down.
        const ascent = metrics.fontBoundingBoxAscent ?? t.pixels;
        const descent = metrics.fontBoundingBoxDescent ?? 0;
        if (t.opaque) {
            ctx.fillStyle = '#fff';
            ctx.fillRect(t.x, t.y, metrics.width, ascent + descent);
        }
        ctx.fillStyle =
            `rgb(${t.colour & 255}, ${(t.colour >> 8) & 255}, ${(t.colour >> 16) & 255})`;
        ctx.fillText(t.text, t.x, t.y + ascent);
    }

    // Puts the frame the core has just drawn on `canvas`; `complete` is what the core returned.
    vesk.putFrame = (core, canvas, complete) => {
        const ctx = canvas.getContext('2d');
        if (!complete) {
            // An abandoned frame is missing until the next one is drawn.
            ctx.clearRect(0, 0, canvas.width, canvas.height);
            return;
        }
        const w = core._FrameWidth();
        const h = core._FrameHeight();
        if (canvas.width !== w || canvas.height !== h) {
            canvas.width = w;
            canvas.height = h;
        }
        const bytes = new Uint8ClampedArray(core.HEAPU8.buffer, core._FramePixels(), w * h * 4);
        ctx.putImageData(new ImageData(bytes, w, h), 0, 0);
        const scale = core._FrameScale();
        ctx.setTransform(scale, 0, 0, scale, 0, 0);
        for (const t of pendingTexts) writeText(ctx, t);
        ctx.setTransform(1, 0, 0, 1, 0, 0);
    };

    // The largest canvas drawn, in device pixels each way: beyond it browsers refuse the canvas
    // or the memory for its pixels.
    const kLargestCanvas = 8192;

    // The pixel ratio to draw a picture of `width` x `height` pixels at: the screen's, lowered so
    // that neither side passes the largest canvas. The picture itself is drawn at most that large.
    vesk.fitCanvas = (width, height, ratio) => {
        const w = Math.min(width, kLargestCanvas);
        const h = Math.min(height, kLargestCanvas);
        // The core draws in quarters of a device pixel, rounded: a quarter that fits.
        const fits = Math.floor(4 * Math.min(kLargestCanvas / w, kLargestCanvas / h)) / 4;
        return {width: w, height: h, ratio: Math.max(1, Math.min(ratio, fits))};
    };

    // The live region that describes `canvas`, placed after it.
    vesk.describe = (canvas) => {
        const region = document.createElement('div');
        region.id = `${canvas.id}-description`;
        region.className = 'description';
        region.setAttribute('aria-live', 'polite');
        region.setAttribute('aria-atomic', 'true');
        canvas.setAttribute('aria-describedby', region.id);
        canvas.parentElement.append(region);
        return region;
    };
})();
