// Runs one of the core's transfers on an open connection: the bytes that arrive go into the job,
// what the job hands out goes to the port, and the job is ticked from a timer, which is all the
// time it knows (its time-outs are counted in ticks). Nothing blocks.
import type { Connection } from "./connection";
import type { Progress, Transfer, TransferCore } from "./transfer_core";

export interface RunHooks {
  // Every change of progress.
  progress(p: Progress): void;
  // A checked write waits for its decision (called once): the answer goes to the transfer, then
  // `resume` sends what it started.
  decision?(transfer: Transfer, resume: () => void): void;
}

// Resolves when the transfer finished, however it ended.
export function runTransfer(core: TransferCore, connection: Connection, transfer: Transfer, hooks: RunHooks): Promise<void> {
  return new Promise((resolve) => {
    let asked = false;
    let timer = 0;
    const flush = () => connection.send(transfer.takeOutput());
    const check = () => {
      flush();
      const p = transfer.progress();
      hooks.progress(p);
      if (p.awaitingDecision && !asked) {
        asked = true;
        hooks.decision?.(transfer, check);
      }
      if (!p.finished) return;
      clearInterval(timer);
      connection.listen(null);
      connection.line.jobEnded(performance.now());
      resolve();
    };
    connection.listen({
      bytes: (bytes) => {
        transfer.feed(bytes);
        check();
      },
      failed: (reason) => {
        transfer.lineFailed(reason);
        check();
      },
    });
    timer = window.setInterval(() => {
      transfer.tick();
      check();
    }, core.tickMs());
    transfer.start(connection.usable ? connection.line.settleTicks(performance.now()) : 0);
    if (!connection.usable) transfer.lineFailed("");
    check();
  });
}
