// The open serial port: 9600 baud 8N1, one reader pumping what arrives to whoever listens (the
// running transfer) or to the line's quiet watch, and writes in order.
import type { Line, SerialPort, TransferCore } from "./transfer_core";
import { serialApi } from "./transfer_core";

export interface Listener {
  bytes(bytes: Uint8Array): void;
  failed(reason: string): void;
}

export class Connection {
  readonly line: Line;
  private reader: ReadableStreamDefaultReader<Uint8Array> | null = null;
  private writer: WritableStreamDefaultWriter<Uint8Array> | null = null;
  private listener: Listener | null = null;
  private broken = false;
  private closing: Promise<void> | null = null;
  private readonly onDisconnect = (event: Event) => {
    const target = (event as Event & { port?: SerialPort }).port ?? event.target;
    if (target === this.port) this.fail(this.disconnectWords());
  };

  private constructor(
    core: TransferCore,
    readonly port: SerialPort,
    private readonly disconnectWords: () => string,
  ) {
    this.line = new core.Line();
  }

  // Opens `port`; rejects with the browser's reason when it cannot be opened.
  static async open(core: TransferCore, port: SerialPort, disconnectWords: () => string): Promise<Connection> {
    await port.open({ baudRate: 9600, dataBits: 8, stopBits: 1, parity: "none", flowControl: "none" });
    const connection = new Connection(core, port, disconnectWords);
    connection.start();
    return connection;
  }

  get usable(): boolean {
    return !this.broken;
  }

  listen(listener: Listener | null): void {
    this.listener = listener;
  }

  send(bytes: Uint8Array): void {
    if (this.broken || !this.writer || bytes.length === 0) return;
    this.writer.write(bytes).catch((e: unknown) => this.fail(reasonOf(e)));
  }

  close(): Promise<void> {
    this.closing ??= this.letGo();
    return this.closing;
  }

  private async letGo(): Promise<void> {
    this.broken = true;
    this.stopWatching();
    try {
      await this.reader?.cancel();
    } catch {
      // already gone
    }
    try {
      this.reader?.releaseLock();
      this.writer?.releaseLock();
      await this.port.close();
    } catch {
      // a port that is gone cannot be closed
    }
    this.line.delete();
  }

  private start(): void {
    this.line.opened(performance.now());
    this.writer = this.port.writable!.getWriter();
    this.reader = this.port.readable!.getReader();
    this.port.addEventListener("disconnect", this.onDisconnect);
    serialApi()?.addEventListener("disconnect", this.onDisconnect);
    void this.pump();
  }

  private async pump(): Promise<void> {
    const reader = this.reader!;
    try {
      for (;;) {
        const { value, done } = await reader.read();
        if (done) break;
        if (!value || value.length === 0) continue;
        if (this.listener) this.listener.bytes(value);
        else this.line.heard(performance.now());
      }
      if (!this.broken) this.fail(this.disconnectWords());
    } catch (e: unknown) {
      if (!this.broken) this.fail(reasonOf(e) || this.disconnectWords());
    }
  }

  // The line stopped working: the running transfer ends as a port error, and the port is let go
  // (the next transfer opens it again).
  private fail(reason: string): void {
    if (this.broken) return;
    this.broken = true;
    this.stopWatching();
    this.listener?.failed(reason);
    void this.close();
  }

  private stopWatching(): void {
    this.port.removeEventListener("disconnect", this.onDisconnect);
    serialApi()?.removeEventListener("disconnect", this.onDisconnect);
  }
}

function reasonOf(e: unknown): string {
  return e instanceof Error ? e.message : String(e);
}
