// Makes the Q series palettes from the colour table: Adobe Swatch Exchange files for Illustrator and
// XML palettes for CorelDRAW. Usage: node palettes.mjs colours.tsv OUTPUT_FOLDER
import { createHash } from 'node:crypto';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const CHANNELS = { CMYK: 4, RGB: 3, LAB: 3, Gray: 1 };
const ASE_MODEL = { CMYK: 'CMYK', RGB: 'RGB ', LAB: 'LAB ', Gray: 'Gray' };
// Adobe's colour types: a global colour updates every use when edited; a spot colour is a named ink.
const ASE_TYPE = { process: 0, spot: 1 };

function fail(message) {
  console.error(`palettes: ${message}`);
  process.exit(1);
}

function readTable(path) {
  const lines = readFileSync(path, 'utf8').split(/\r?\n/);
  const rows = [];
  let header = null;
  lines.forEach((line, index) => {
    if (line.trim() === '' || line.startsWith('#')) return;
    const cells = line.split('\t');
    if (!header) {
      header = cells;
      return;
    }
    const where = `${path}:${index + 1}`;
    if (cells.length !== header.length) fail(`${where}: ${cells.length} columns, the header has ${header.length}`);
    const row = Object.fromEntries(header.map((name, i) => [name, cells[i].trim()]));
    if (!(row.model in CHANNELS)) fail(`${where}: unknown colour model "${row.model}"`);
    const values = row.values.split(/\s+/).map(Number);
    if (values.length !== CHANNELS[row.model] || values.some((v) => !(v >= 0 && v <= 100)))
      fail(`${where}: ${row.model} needs ${CHANNELS[row.model]} values from 0 to 100, got "${row.values}"`);
    if (!(row.kind in ASE_TYPE)) fail(`${where}: kind must be spot or process, got "${row.kind}"`);
    if (row.name === '' || row.name.length > 255) fail(`${where}: a colour needs a name of 1 to 255 characters`);
    const palettes = row.palettes.split(/\s+/).filter(Boolean);
    if (palettes.length === 0) fail(`${where}: the colour belongs to no palette`);
    rows.push({ name: row.name, model: row.model, values, kind: row.kind, palettes });
  });
  if (rows.length === 0) fail(`${path}: no colours`);
  return rows;
}

function aseFile(colours) {
  const blocks = colours.map((colour) => {
    const name = Buffer.from(`${colour.name}\0`, 'utf16le').swap16();
    const body = Buffer.alloc(2 + name.length + 4 + 4 * colour.values.length + 2);
    let at = body.writeUInt16BE(name.length / 2, 0);
    at += name.copy(body, at);
    at += body.write(ASE_MODEL[colour.model], at, 'latin1');
    for (const value of colour.values) at = body.writeFloatBE(value / 100, at);
    body.writeUInt16BE(ASE_TYPE[colour.kind], at);
    const head = Buffer.alloc(6);
    head.writeUInt16BE(0x0001, 0);
    head.writeUInt32BE(body.length, 2);
    return Buffer.concat([head, body]);
  });
  const header = Buffer.alloc(12);
  header.write('ASEF', 0, 'latin1');
  header.writeUInt16BE(1, 4);
  header.writeUInt16BE(0, 6);
  header.writeUInt32BE(blocks.length, 8);
  return Buffer.concat([header, ...blocks]);
}

function xmlText(text) {
  return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
}

// CorelDRAW tells palettes apart by their GUID: it must stay the same from build to build, so it comes from the name.
function paletteGuid(name) {
  const hash = createHash('sha1').update(`Orvan Cutbench palette ${name}`).digest();
  hash[6] = (hash[6] & 0x0f) | 0x50;
  hash[8] = (hash[8] & 0x3f) | 0x80;
  const hex = hash.subarray(0, 16).toString('hex');
  return `${hex.slice(0, 8)}-${hex.slice(8, 12)}-${hex.slice(12, 16)}-${hex.slice(16, 20)}-${hex.slice(20)}`;
}

function tints(values) {
  return values.map((v) => String(v / 100)).join(',');
}

// A spot colour is a colour space of its own (an ink) that the palette entry uses at full tint.
function corelFile(fileName, colours) {
  const title = fileName.replace(/_/g, ' ');
  const spots = colours.filter((c) => c.kind === 'spot');
  const out = ['<?xml version="1.0" encoding="UTF-8"?>', `<palette guid="${paletteGuid(fileName)}" name="${xmlText(title)}">`];
  if (spots.length > 0) {
    out.push('\t<colorspaces>');
    spots.forEach((c, i) => {
      out.push(`\t\t<cs name="${xmlText(c.name)}" fixedID="${i + 1}">`);
      out.push(`\t\t\t<color cs="${c.model}" tints="${tints(c.values)}"/>`);
      out.push('\t\t</cs>');
    });
    out.push('\t</colorspaces>');
  }
  out.push('\t<colors>', '\t\t<page>');
  for (const c of colours) {
    const cs = c.kind === 'spot' ? c.name : c.model;
    const value = c.kind === 'spot' ? '1' : tints(c.values);
    out.push(`\t\t\t<color cs="${xmlText(cs)}" tints="${value}" name="${xmlText(c.name)}"/>`);
  }
  out.push('\t\t</page>', '\t</colors>', '</palette>', '');
  return out.join('\r\n');
}

const [tablePath, outDir] = process.argv.slice(2);
if (!tablePath || !outDir) fail('usage: node palettes.mjs colours.tsv OUTPUT_FOLDER');
const colours = readTable(tablePath);
const paletteNames = [...new Set(colours.flatMap((c) => c.palettes))];
mkdirSync(outDir, { recursive: true });
for (const palette of paletteNames) {
  const members = colours.filter((c) => c.palettes.includes(palette));
  writeFileSync(join(outDir, `${palette}.ase`), aseFile(members));
  writeFileSync(join(outDir, `${palette}.xml`), corelFile(palette, members));
}
