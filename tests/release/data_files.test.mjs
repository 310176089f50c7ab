// Reads the built palettes and pictures back with readers that share no code with the generators: ase-utils for
// the swatch files, xmllint for the CorelDRAW palettes, and the icon file layout as Windows reads it.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';

const require = createRequire(import.meta.url);
const ase = require('ase-utils');
const dataDir = process.env.ORVAN_DATA_DIR;
assert.ok(dataDir, 'ORVAN_DATA_DIR names the folder of the generated data files');
const read = (name) => readFileSync(join(dataDir, name));

const TOOL_PATHS = ['CutContour', 'KissCut', 'Crease', 'Perforation'];
const MAGENTA = [0, 1, 0, 0];
const BLACK = [0, 0, 0, 1];

test('the swatch file of the series holds the cut line, the other tool paths and the registration black', () => {
  const palette = ase.decode(read('Q_series.ase'));
  assert.equal(palette.version, '1.0');
  assert.deepEqual(palette.groups, []);
  assert.deepEqual(palette.colors.map((c) => c.name), [...TOOL_PATHS, 'Regmark Black']);
  for (const colour of palette.colors.filter((c) => TOOL_PATHS.includes(c.name))) {
    assert.equal(colour.type, 'spot', `${colour.name} must be a spot colour, so the RIP keeps it as a tool path`);
    assert.equal(colour.model, 'CMYK');
  }
  const byName = Object.fromEntries(palette.colors.map((c) => [c.name, c]));
  assert.deepEqual(byName.CutContour.color, MAGENTA);
  assert.deepEqual(byName['Regmark Black'], { name: 'Regmark Black', model: 'CMYK', color: BLACK, type: 'global' });
  const looks = palette.colors.map((c) => c.color.map((v) => v.toFixed(2)).join());
  assert.equal(new Set(looks).size, looks.length, 'two colours of the series look alike on screen');
});

test('the CutContour swatch file holds the cut line alone', () => {
  const palette = ase.decode(read('Q_series_CutContour.ase'));
  assert.deepEqual(palette.colors, [{ name: 'CutContour', model: 'CMYK', color: MAGENTA, type: 'spot' }]);
});

// ase-utils reads blocks until the data ends; Illustrator trusts the block count of the header instead.
test('the block count in each swatch file header matches its colours', () => {
  for (const [file, count] of [['Q_series.ase', 5], ['Q_series_CutContour.ase', 1]]) {
    assert.equal(read(file).readUInt32BE(8), count, file);
  }
});

function xpath(file, expression) {
  return execFileSync('xmllint', ['--xpath', expression, join(dataDir, file)], { encoding: 'utf8' }).trim();
}

function corelColours(file) {
  const count = Number(xpath(file, 'count(/palette/colors/page/color)'));
  return Array.from({ length: count }, (_, i) => {
    const at = `/palette/colors/page/color[${i + 1}]`;
    const cs = xpath(file, `string(${at}/@cs)`);
    const spot = Number(xpath(file, `count(/palette/colorspaces/cs[@name="${cs}"])`)) === 1;
    const inkAt = `/palette/colorspaces/cs[@name="${cs}"]/color`;
    return {
      name: xpath(file, `string(${at}/@name)`),
      spot,
      model: spot ? xpath(file, `string(${inkAt}/@cs)`) : cs,
      tints: (spot ? xpath(file, `string(${inkAt}/@tints)`) : xpath(file, `string(${at}/@tints)`)).split(',').map(Number),
      tint: spot ? Number(xpath(file, `string(${at}/@tints)`)) : 1,
    };
  });
}

test('the CorelDRAW palettes are well-formed XML with a palette name and a GUID of their own', () => {
  execFileSync('xmllint', ['--noout', join(dataDir, 'Q_series.xml'), join(dataDir, 'Q_series_CutContour.xml')]);
  const guid = /^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$/;
  const guids = ['Q_series.xml', 'Q_series_CutContour.xml'].map((f) => xpath(f, 'string(/palette/@guid)'));
  for (const g of guids) assert.match(g, guid);
  assert.notEqual(guids[0], guids[1]);
  assert.equal(xpath('Q_series.xml', 'string(/palette/@name)'), 'Q series');
  assert.equal(xpath('Q_series_CutContour.xml', 'string(/palette/@name)'), 'Q series CutContour');
});

test('the CorelDRAW palettes hold the same colours as the swatch files, tool paths as spot inks at full tint', () => {
  for (const stem of ['Q_series', 'Q_series_CutContour']) {
    const corel = corelColours(`${stem}.xml`);
    const adobe = ase.decode(read(`${stem}.ase`)).colors;
    assert.deepEqual(corel.map((c) => c.name), adobe.map((c) => c.name), stem);
    for (const [i, colour] of corel.entries()) {
      assert.equal(colour.spot, adobe[i].type === 'spot', `${stem}: ${colour.name}`);
      assert.equal(colour.model, 'CMYK', `${stem}: ${colour.name}`);
      assert.equal(colour.tint, 1, `${stem}: ${colour.name}`);
      assert.deepEqual(colour.tints, adobe[i].color.map((v) => Math.round(v * 100) / 100), `${stem}: ${colour.name}`);
    }
  }
  assert.deepEqual(corelColours('Q_series_CutContour.xml'),
                   [{ name: 'CutContour', spot: true, model: 'CMYK', tints: MAGENTA, tint: 1 }]);
});

// The icon directory as Windows reads it: width and height (0 meaning 256) and bits per pixel of each image.
function iconImages(file) {
  const data = read(file);
  assert.deepEqual([data.readUInt16LE(0), data.readUInt16LE(2)], [0, 1], `${file} is no icon file`);
  return Array.from({ length: data.readUInt16LE(4) }, (_, i) => {
    const entry = 6 + i * 16;
    const offset = data.readUInt32LE(entry + 12);
    const png = data.subarray(offset, offset + 4).toString('latin1') === '\x89PNG';
    return {
      size: data[entry] || 256,
      bits: png ? 32 : data.readUInt16LE(offset + 14),
      offset,
      png,
    };
  });
}

test('each icon holds the sizes the window or the toolbar asks for', () => {
  const expected = {
    'template_St.ico': [16, 24, 32], 'cutrix_16.ico': [16, 24, 32], 'cutout_16.ico': [16, 24, 32],
    'pdf_16.ico': [16, 24, 32], 'benchmate.ico': [16, 24, 32, 48, 256], 'plugin.ico': [16, 24, 32, 48, 64],
    'palette.ico': [32, 48, 64], 'about.ico': [32, 16],
  };
  for (const [file, sizes] of Object.entries(expected)) {
    assert.deepEqual(iconImages(file).map((image) => image.size), sizes, file);
  }
  assert.deepEqual(iconImages('about.ico').map((image) => image.bits), [4, 4], 'the About icon has 16 colours');
});

test('the About bitmaps have the sizes of the logo and the tile', () => {
  for (const [file, width, height] of [['about_logo.bmp', 309, 100], ['about_tile.bmp', 4, 4]]) {
    const data = read(file);
    assert.equal(data.toString('latin1', 0, 2), 'BM', file);
    assert.deepEqual([data.readInt32LE(18), Math.abs(data.readInt32LE(22))], [width, height], file);
  }
});

// The 16 x 16 image of a toolbar icon on a white toolbar, as grey levels, from its 32-bit bitmap.
function toolbarPixels(file) {
  const data = read(file);
  const image = iconImages(file).find((i) => i.size === 16);
  assert.ok(image && !image.png && image.bits === 32, `${file} has a 32-bit 16 x 16 image`);
  const pixels = data.subarray(image.offset + 40, image.offset + 40 + 16 * 16 * 4);
  return Array.from({ length: 256 }, (_, i) => {
    const [b, g, r, a] = pixels.subarray(i * 4, i * 4 + 4);
    const over = (c) => (c * a + 255 * (255 - a)) / 255;
    return (over(r) + over(g) + over(b)) / 3;
  });
}

test('the four toolbar pictures differ plainly at 16 x 16', () => {
  const icons = ['template_St.ico', 'cutrix_16.ico', 'cutout_16.ico', 'pdf_16.ico'];
  const pixels = icons.map(toolbarPixels);
  for (let i = 0; i < icons.length; i++) {
    for (let j = i + 1; j < icons.length; j++) {
      const differing = pixels[i].filter((v, k) => Math.abs(v - pixels[j][k]) > 48).length;
      assert.ok(differing >= 40, `${icons[i]} and ${icons[j]} differ in only ${differing} of 256 pixels`);
    }
  }
});
