// The core's editing functions (src/web_binding/edit_binding.cpp, csv_import_binding.cpp and
// the document's history) as the page sees them: types only.
import type { Core, Document } from "../core";

export interface EditDocument extends Document {
  undo(): boolean;
  redo(): boolean;
  canUndo(): boolean;
  canRedo(): boolean;
  modified(): boolean;
  revision(): number;
  markSaved(revision: number): void;
  startNew(): void;
}

export interface ChannelSelection {
  press(channel: number, shift: boolean, ctrl: boolean): void;
  extend(from: number, to: number): void;
  clear(): void;
  contains(channel: number): boolean;
  empty(): boolean;
  channels(): number[];
  set(channels: number[]): void;
  delete(): void;
}

export interface CsvPreview {
  readable: boolean;
  lines: string[];
  rows: string[];
  taken: number;
}

export interface FillSeries {
  fillRx: boolean;
  rxStart: string;
  rxStep: string;
  tx: number; // 0 keep, 1 same as receive, 2 receive plus offset
  txOffset: string;
  fillNames: boolean;
  pattern: string;
  firstNumber: number;
}

export interface FillPreview {
  problem: string;
  taking: number;
  rows: string[][]; // channel, rx, tx, name, result
}

export interface EditCore extends Core {
  pageTexts(): string[];
  editorColumn(doc: Document, channel: number, column: number): number;
  filterEntry(name: boolean, before: string, after: string): { text: string; cursor: number };
  commitFrequency(doc: Document, channel: number, column: number, text: string, lang: string): string;
  commitName(doc: Document, channel: number, text: string): void;
  listEntries(column: number, lang: string): string[];
  optionIndex(doc: Document, channel: number, column: number): number;
  commitOption(doc: Document, channel: number, column: number, index: number): void;
  channelsText(doc: Document, channels: number[]): string;
  copyChannels(doc: Document, channels: number[], shown: number[]): Uint8Array<ArrayBuffer>;
  clearChannels(doc: Document, channels: number[]): boolean;
  pasteChannels(
    doc: Document,
    at: number,
    shown: number[],
    own: Uint8Array | null,
    text: string | null,
    lang: string,
  ): { pasted: number[]; message: string };
  insertChannel(doc: Document, at: number, shown: number[], lang: string): string;
  deleteMoveUp(doc: Document, channels: number[], shown: number[]): boolean;
  moveChannels(doc: Document, channels: number[], up: boolean, shown: number[]): number[] | null;
  sortChannels(doc: Document, chosen: number[], shown: number[], column: number, descending: boolean): boolean;
  findChannels(doc: Document, text: string, lang: string): number[];
  setColumn(doc: Document, channels: number[], column: number, text: string, index: number, lang: string): string;
  countedWords(context: string, source: string, one: string, n: number, lang: string): string;
  fillPreview(doc: Document, channels: number[], series: FillSeries, lang: string): FillPreview;
  fill(doc: Document, channels: number[], series: FillSeries): boolean;
  ChannelSelection: new () => ChannelSelection;
  csvImportPreview(doc: Document, bytes: Uint8Array, fileName: string, firstFree: number, lang: string): CsvPreview;
  csvImport(doc: Document, bytes: Uint8Array, firstFree: number): number;
}

// A menu text without its keyboard accelerator: "Copy Channels(&C)" -> "Copy Channels",
// "Find Channels(&F)…" -> "Find Channels…".
export const plain = (words: string): string => words.replace(/\(&.\)/, "").replace("&", "");

// What the page's parts share: the core, the one document, the language shown, the one place
// messages go, and the news that the document changed.
export interface Page {
  readonly core: EditCore;
  readonly doc: EditDocument;
  lang(): string;
  tell(message: string): void;
  changed(): void;
}

// Keeps what is typed into `input` to what the grid's frequency (or name) editor takes: each
// edit filtered by the core.
export function filterTyping(core: EditCore, input: HTMLInputElement, name: boolean, changed?: () => void): void {
  let before = input.value;
  input.addEventListener("input", () => {
    const out = core.filterEntry(name, before, input.value);
    if (out.text !== input.value) {
      input.value = out.text;
      input.setSelectionRange(out.cursor, out.cursor);
    }
    before = out.text;
    changed?.();
  });
}
