// Prints what libredwg reads from a DWG file: its error code, then one JSON
// object per entity of model space and one per table.
// Usage: node read-dwg.mjs FILE.dwg
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { LibreDwg, Dwg_File_Type } from '@mlightcad/libredwg-web';

const here = dirname(fileURLToPath(import.meta.url));
const wasm = join(here, 'node_modules/@mlightcad/libredwg-web/wasm/');
const libredwg = await LibreDwg.create(wasm);
const bytes = readFileSync(process.argv[2]);
const buffer = bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length);

// The error code of the plain reader, before any conversion.
const module = (await import(join(wasm, 'libredwg-web.js'))).default;
const instance = await module();
instance.FS.writeFile('in.dwg', new Uint8Array(buffer));
const result = instance.dwg_read_file('in.dwg');
console.log(JSON.stringify({ error: result.error }));

const dwg = libredwg.dwg_read_data(buffer, Dwg_File_Type.DWG);
const db = libredwg.convert(dwg);
for (const e of db.entities) {
  const at = e.startPoint ?? e.position;
  console.log(JSON.stringify({
    entity: e.type, layer: e.layer, x: at.x, y: at.y, z: at.z ?? 0,
    x2: e.endPoint?.x, y2: e.endPoint?.y, text: e.text, height: e.textHeight,
  }));
}
for (const [name, table] of Object.entries(db.tables)) {
  console.log(JSON.stringify({ table: name, entries: (table.entries ?? []).map((t) => t.name) }));
}
libredwg.dwg_free(dwg);
