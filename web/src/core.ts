// The WebAssembly core (src/web_binding/core_binding.cpp) as the page sees it. Every word, rule
// and byte comes from there; this file only gives it types.

export interface Document {
  open(bytes: Uint8Array, fileName: string, lang: string): string;
  save(): Uint8Array<ArrayBuffer>;
  decodeImage(bytes: Uint8Array): boolean;
  encodeImage(): Uint8Array<ArrayBuffer>;
  json(lang: string): string;
  cell(row: number, column: number, lang: string): string;
  csv(): string;
  csvNotes(lang: string): string[];
  delete(): void;
}

export interface Core {
  Document: new () => Document;
  addCatalogue(code: string, entries: string[][]): void;
  languages(): string[];
  languageName(code: string): string;
  words(context: string, source: string, lang: string): string;
  channelCount(): number;
  columnCount(): number;
  columnHeader(column: number, lang: string): string;
}

// talvo_core.js, loaded by a script tag before the page, defines the factory.
declare global {
  // eslint-disable-next-line no-var
  var TalvoCore: (options?: object) => Promise<Core>;
}

// The core with the catalogues (translations/*.ts as catalogues.json) handed over.
export async function loadCore(): Promise<Core> {
  const [core, catalogues] = await Promise.all([
    globalThis.TalvoCore(),
    fetch("catalogues.json").then((r) => {
      if (!r.ok) throw new Error(`catalogues.json: ${r.status}`);
      return r.json() as Promise<Record<string, string[][]>>;
    }),
  ]);
  for (const [code, entries] of Object.entries(catalogues)) core.addCatalogue(code, entries);
  return core;
}
