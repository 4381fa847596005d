// The transfer part of the WebAssembly core (src/web_binding/transfer_binding.cpp) as the page
// sees it, and the few Web Serial types the page uses (TypeScript's DOM library has none).
import type { Core, Document } from "../core";

export interface Progress {
  stage: string;
  done: number;
  total: number;
  awaitingDecision: boolean;
  finished: boolean;
  ok: boolean;
}

export interface ChangeList {
  title: string;
  intro: string;
  titles: string[];
  rows: string[][];
  count: string;
  noChange: string;
  table: string;
  write: string;
  cancel: string;
}

export type TransferKind = "read" | "write" | "checkedWrite" | "restore";

export interface Transfer {
  valid(): boolean;
  start(settleTicks: number): void;
  feed(bytes: Uint8Array): void;
  tick(): void;
  cancel(): void;
  lineFailed(reason: string): void;
  takeOutput(): Uint8Array<ArrayBuffer>;
  progress(): Progress;
  stageTexts(lang: string): { title: string; label: string };
  message(lang: string, port: string): string;
  offersBackup(): boolean;
  image(): Uint8Array<ArrayBuffer>;
  backup(): Uint8Array<ArrayBuffer>;
  backupKept(kept: boolean): void;
  decide(write: boolean): void;
  changes(lang: string, backupName: string): ChangeList;
  delete(): void;
}

export interface Line {
  opened(nowMs: number): void;
  heard(nowMs: number): void;
  jobEnded(nowMs: number): void;
  settleTicks(nowMs: number): number;
  delete(): void;
}

export interface BackupSummary {
  readable: boolean;
  used: string;
  names: string;
}

export interface TransferCore extends Core {
  Transfer: new (kind: TransferKind, doc: Document, image: Uint8Array) => Transfer;
  Line: new () => Line;
  transferWords(key: string, lang: string): string;
  portFailure(detail: string, lang: string): string;
  cableFilters(): { usbVendorId: number }[];
  portLabel(vendor: number, product: number): string;
  backupSummary(image: Uint8Array, lang: string): BackupSummary;
  dataFileOf(image: Uint8Array): Uint8Array<ArrayBuffer>;
  offerBackupText(problem: string, backupName: string, lang: string): string;
  backupNotSaved(detail: string, lang: string): string;
  restoreQuestion(backupName: string, lang: string): string;
  cooldownMs(): number;
  tickMs(): number;
}

// Web Serial, as far as the page uses it.
export interface SerialPortInfo {
  usbVendorId?: number;
  usbProductId?: number;
}

export interface SerialPort extends EventTarget {
  readonly readable: ReadableStream<Uint8Array> | null;
  readonly writable: WritableStream<Uint8Array> | null;
  open(options: {
    baudRate: number;
    dataBits?: number;
    stopBits?: number;
    parity?: string;
    flowControl?: string;
  }): Promise<void>;
  close(): Promise<void>;
  getInfo(): SerialPortInfo;
}

export interface Serial extends EventTarget {
  requestPort(options?: { filters?: SerialPortInfo[] }): Promise<SerialPort>;
  getPorts(): Promise<SerialPort[]>;
}

// Looked up each time: whatever implements the API at that moment (a stand-in in tests) is used.
export function serialApi(): Serial | undefined {
  return (navigator as unknown as { serial?: Serial }).serial;
}
