// Read, Write and the checked write from the page: the commands, the port chooser, the progress
// with Cancel, the change list before a checked write and the backups. Every word and every step
// with the radio comes from the core; this file moves bytes and shows what the core says.
import type { Core, Document } from "../core";
import { BackupsPanel } from "../backups/panel";
import { backupName, keepBackup, type Backup } from "../backups/store";
import { Connection } from "./connection";
import { QuestionDialog } from "./question";
import { runTransfer } from "./run";
import type { SerialPort, Transfer, TransferCore, TransferKind } from "./transfer_core";
import { serialApi } from "./transfer_core";

// What the page's undo records: a read replaced the document, as one step.
export interface DocumentReplaced {
  doc: Document;
  before: Uint8Array; // the 3,072-byte image the document held before
  after: Uint8Array;
  label: string; // the command's words
}
export const DOCUMENT_REPLACED = "talvo-document-replaced";

export interface TransferPart {
  retranslate(): void;
}

export interface TransferOptions {
  core: Core;
  doc: Document;
  lang: () => string;
  // Shows a message to the user (the page's one status region).
  say: (text: string) => void;
  // The document was replaced by a read: show it again.
  replaced: (change: DocumentReplaced) => void;
}

const CHECKED_KEY = "talvo.checkedWrite";

function button(name: string): HTMLButtonElement {
  const b = document.createElement("button");
  b.type = "button";
  b.dataset.words = name;
  return b;
}

function reasonOf(e: unknown): string {
  return e instanceof Error ? e.message : String(e);
}

export function setupTransfer(options: TransferOptions): TransferPart {
  const core = options.core as TransferCore;
  const { doc, lang, say } = options;
  const words = (key: string) => core.transferWords(key, lang());

  const bar = document.createElement("section");
  bar.className = "transfer";
  const read = button("read");
  const write = button("write");
  const checkedLabel = document.createElement("label");
  const checked = document.createElement("input");
  checked.type = "checkbox";
  checked.checked = localStorage.getItem(CHECKED_KEY) !== "0";
  const checkedText = document.createElement("span");
  checkedLabel.append(checked, checkedText);
  checked.addEventListener("change", () => localStorage.setItem(CHECKED_KEY, checked.checked ? "1" : "0"));
  const portButton = button("port");
  const portName = document.createElement("span");
  portName.id = "transfer-port-name";
  portButton.setAttribute("aria-describedby", portName.id);
  const allLabel = document.createElement("label");
  const allPorts = document.createElement("input");
  allPorts.type = "checkbox";
  const allText = document.createElement("span");
  allLabel.append(allPorts, allText);
  const backupsButton = button("backupsCommand");
  const help = document.createElement("details");
  const helpSummary = document.createElement("summary");
  const helpText = document.createElement("p");
  help.append(helpSummary, helpText);
  const notice = document.createElement("p");
  notice.setAttribute("role", "note");
  notice.className = "notice";

  const progress = document.createElement("div");
  progress.setAttribute("role", "group");
  progress.hidden = true;
  const progressLabel = document.createElement("p");
  progressLabel.id = "transfer-progress-label";
  const progressBar = document.createElement("progress");
  progressBar.setAttribute("aria-describedby", progressLabel.id);
  const cancel = button("cancel");
  progress.append(progressLabel, progressBar, cancel);

  bar.append(read, write, checkedLabel, portButton, portName, allLabel, backupsButton, help, notice, progress);
  const status = document.getElementById("status");
  document.body.insertBefore(bar, status ?? document.body.firstChild);

  const question = new QuestionDialog();
  let connection: Connection | null = null;
  let chosen: SerialPort | null = null;
  let running: Transfer | null = null;
  let resting = false; // the pause after a transfer that ended well

  const idle = () => running === null && !resting;
  const refreshCommands = () => {
    const serial = serialApi() !== undefined;
    for (const b of [read, write, portButton]) b.disabled = !serial || !idle();
    allPorts.disabled = !serial;
    panel.setBusy(!serial || !idle());
  };

  const panel = new BackupsPanel(core, lang, say, (b) => guarded(() => restore(b))());
  bar.after(panel.element);
  backupsButton.setAttribute("aria-controls", panel.element.id);
  backupsButton.setAttribute("aria-expanded", "false");
  backupsButton.addEventListener("click", () => {
    const show = panel.element.hidden;
    backupsButton.setAttribute("aria-expanded", String(show));
    void panel.show(show);
  });

  const portText = (port: SerialPort | null) => {
    if (!port) return "";
    const info = port.getInfo();
    return core.portLabel(info.usbVendorId ?? 0, info.usbProductId ?? 0);
  };

  const choosePort = async (): Promise<SerialPort | null> => {
    const serial = serialApi();
    if (!serial) return null;
    try {
      const filters = allPorts.checked ? undefined : core.cableFilters();
      return await serial.requestPort(filters ? { filters } : {});
    } catch {
      return null; // the user closed the chooser
    }
  };

  const forget = async () => {
    const c = connection;
    connection = null;
    if (c) await c.close();
  };

  // The open connection, opening the chosen port (a port granted before, or one the user
  // chooses now) at 9600 baud 8N1.
  const connect = async (): Promise<Connection | null> => {
    if (connection?.usable) return connection;
    // A port that failed (pulled out, read error) is not taken again: the next one is the one
    // the browser still grants, or the user's choice.
    if (connection) chosen = null;
    await forget();
    const serial = serialApi();
    if (!serial) {
      say(words("noSerial"));
      return null;
    }
    if (!chosen) chosen = (await serial.getPorts())[0] ?? null;
    if (!chosen) chosen = await choosePort();
    if (!chosen) return null;
    portName.textContent = portText(chosen);
    try {
      connection = await Connection.open(core, chosen, () => words("disconnected"));
      return connection;
    } catch (e: unknown) {
      chosen = null;
      say(core.portFailure(reasonOf(e), lang()));
      return null;
    }
  };

  const showProgress = (t: Transfer) => {
    const p = t.progress();
    const texts = t.stageTexts(lang());
    progress.hidden = p.finished || p.awaitingDecision;
    progress.setAttribute("aria-label", texts.title);
    progressBar.setAttribute("aria-label", texts.title);
    progressLabel.textContent = texts.label;
    progressBar.max = Math.max(1, p.total);
    progressBar.value = p.done;
  };

  // Runs `kind` on the port; `decide` answers a checked write's decision.
  const run = async (
    kind: TransferKind,
    image: Uint8Array,
    decide?: (t: Transfer, resume: () => void) => void,
  ): Promise<Transfer | null> => {
    if (!idle()) return null;
    const t = new core.Transfer(kind, doc, image);
    if (!t.valid()) {
      t.delete();
      return null;
    }
    running = t;
    refreshCommands();
    const c = await connect();
    if (!c) {
      running = null;
      refreshCommands();
      t.delete();
      return null;
    }
    say("");
    await runTransfer(core, c, t, { progress: () => showProgress(t), decision: decide });
    progress.hidden = true;
    running = null;
    if (t.progress().ok) {
      resting = true;
      window.setTimeout(() => {
        resting = false;
        refreshCommands();
      }, core.cooldownMs());
    }
    refreshCommands();
    return t;
  };

  const finish = (t: Transfer, extra: string[] = []) => {
    const text = [...extra, t.message(lang(), portText(chosen))].filter((s) => s).join("\n\n");
    if (text) say(text);
    t.delete();
  };

  const startRead = async () => {
    const t = await run("read", new Uint8Array());
    if (!t) return;
    const extra: string[] = [];
    if (t.progress().ok) {
      const image = t.image();
      const before = doc.encodeImage();
      doc.decodeImage(image);
      const change = { doc, before, after: image, label: words("read") };
      options.replaced(change);
      document.dispatchEvent(new CustomEvent<DocumentReplaced>(DOCUMENT_REPLACED, { detail: change }));
      try {
        await keepBackup(image);
        void panel.refresh();
      } catch (e: unknown) {
        extra.push(core.backupNotSaved(reasonOf(e), lang()));
      }
    }
    finish(t, extra);
  };

  // The write as the checkbox says: the checked write (backup, change list, read-back) or the
  // plain one.
  const startWrite = async () => {
    if (!checked.checked) {
      const t = await run("write", new Uint8Array());
      if (t) finish(t);
      return;
    }
    let kept: Backup | null = null;
    const extra: string[] = [];
    const t = await run("checkedWrite", new Uint8Array(), (job, resume) => {
      void (async () => {
        try {
          kept = await keepBackup(job.backup());
          void panel.refresh();
          job.backupKept(true);
        } catch (e: unknown) {
          extra.push(core.backupNotSaved(reasonOf(e), lang()));
          job.backupKept(false);
          resume();
          return;
        }
        const list = job.changes(lang(), backupName(kept));
        const yes = await question.ask({
          title: list.title,
          text: list.intro,
          yes: list.write,
          no: list.cancel,
          table: {
            name: list.table,
            titles: list.titles,
            rows: list.rows,
            caption: list.rows.length ? list.count : list.noChange,
          },
        });
        job.decide(yes);
        resume();
      })();
    });
    if (!t) return;
    if (!t.offersBackup() || !kept) {
      finish(t, extra);
      return;
    }
    const backup: Backup = kept;
    const problem = t.message(lang(), portText(chosen));
    t.delete();
    const yes = await question.ask({
      title: words("mistake"),
      text: core.offerBackupText(problem, backupName(backup), lang()),
      yes: words("restoreBackup"),
      no: words("cancel"),
    });
    if (!yes) {
      say(problem);
      return;
    }
    await restoreNow(backup);
  };

  const restoreNow = async (backup: Backup) => {
    await waitForRest();
    const t = await run("restore", backup.image);
    if (t) finish(t);
  };

  const restore = async (backup: Backup) => {
    const yes = await question.ask({
      title: words("restoreBackup"),
      text: core.restoreQuestion(backupName(backup), lang()),
      yes: words("restoreBackup"),
      no: words("cancel"),
    });
    if (yes) await restoreNow(backup);
  };

  // After a transfer that ended well the radio is given its pause before the next one.
  const waitForRest = () =>
    new Promise<void>((resolve) => {
      const poll = () => (resting ? window.setTimeout(poll, 50) : resolve());
      poll();
    });

  // Whatever goes wrong in the page's own steps is said, and the commands come back.
  const guarded = (step: () => Promise<void>) => () => {
    step().catch((e: unknown) => {
      running = null;
      progress.hidden = true;
      refreshCommands();
      say(reasonOf(e));
    });
  };
  read.addEventListener("click", guarded(startRead));
  write.addEventListener("click", guarded(startWrite));
  cancel.addEventListener("click", () => {
    running?.cancel();
  });
  portButton.addEventListener("click", async () => {
    const port = await choosePort();
    if (!port) return;
    await forget();
    chosen = port;
    portName.textContent = portText(port);
  });
  serialApi()?.addEventListener("connect", () => refreshCommands());

  const retranslate = () => {
    const l = lang();
    for (const b of [read, write, portButton, backupsButton, cancel]) {
      b.textContent = core.transferWords(b.dataset.words!, l);
    }
    checkedText.textContent = words("checkedWrite");
    allText.textContent = words("allPorts");
    helpSummary.textContent = words("portHelpTitle");
    helpText.textContent = words("portHelp");
    notice.textContent = serialApi() ? "" : words("noSerial");
    notice.hidden = serialApi() !== undefined;
    if (running) showProgress(running);
    panel.retranslate();
  };
  retranslate();
  refreshCommands();
  return { retranslate };
}
