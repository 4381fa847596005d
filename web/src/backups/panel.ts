// The Backups panel: every read kept in this browser, newest first, with what each holds (as the
// desktop's Backups window lists them); any can be saved as a .dat file or written back to the
// radio (which reads it back to verify).
import type { Core } from "../core";
import type { TransferCore } from "../serial/transfer_core";
import { backupName, listBackups, type Backup } from "./store";

function download(bytes: BlobPart, name: string): void {
  const url = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
  const a = document.createElement("a");
  a.href = url;
  a.download = name;
  a.click();
  setTimeout(() => URL.revokeObjectURL(url), 0);
}

export class BackupsPanel {
  readonly element: HTMLElement;
  private readonly heading: HTMLHeadingElement;
  private readonly intro: HTMLParagraphElement;
  private readonly table: HTMLTableElement;
  private backups: Backup[] = [];
  private busy = false;

  constructor(
    core: Core,
    private readonly lang: () => string,
    private readonly say: (text: string) => void,
    private readonly restore: (backup: Backup) => void,
  ) {
    this.core = core as TransferCore;
    this.element = document.createElement("section");
    this.element.id = "backups";
    this.element.hidden = true;
    this.heading = document.createElement("h2");
    this.heading.id = "backups-title";
    this.element.setAttribute("aria-labelledby", this.heading.id);
    this.intro = document.createElement("p");
    this.table = document.createElement("table");
    this.table.className = "backups";
    this.table.setAttribute("aria-labelledby", this.heading.id);
    this.element.append(this.heading, this.intro, this.table);
  }

  private readonly core: TransferCore;

  async show(visible: boolean): Promise<void> {
    this.element.hidden = !visible;
    if (visible) await this.refresh();
  }

  setBusy(busy: boolean): void {
    this.busy = busy;
    for (const b of this.table.querySelectorAll<HTMLButtonElement>("button[data-restore]")) b.disabled = busy;
  }

  async refresh(): Promise<void> {
    try {
      this.backups = await listBackups();
    } catch (e: unknown) {
      this.say(this.core.backupNotSaved(e instanceof Error ? e.message : String(e), this.lang()));
      this.backups = [];
    }
    this.fill();
  }

  retranslate(): void {
    this.fill();
  }

  private fill(): void {
    const lang = this.lang();
    const words = (key: string) => this.core.transferWords(key, lang);
    this.heading.textContent = words("backups");
    this.intro.textContent = this.backups.length ? words("backupsIntro") : words("noBackups");
    this.table.replaceChildren();
    this.table.hidden = this.backups.length === 0;
    const head = this.table.createTHead().insertRow();
    for (const key of ["dateTime", "channelsUsed", "firstNames"]) {
      const th = document.createElement("th");
      th.scope = "col";
      th.textContent = words(key);
      head.appendChild(th);
    }
    head.appendChild(document.createElement("td"));
    const body = this.table.createTBody();
    for (const backup of this.backups) {
      const tr = body.insertRow();
      const when = document.createElement("th");
      when.scope = "row";
      when.id = `backup-${backup.id}`;
      when.textContent = new Date(backup.time).toLocaleString(lang);
      tr.appendChild(when);
      const summary = this.core.backupSummary(backup.image, lang);
      tr.insertCell().textContent = summary.used;
      tr.insertCell().textContent = summary.names;
      const actions = tr.insertCell();
      const save = document.createElement("button");
      save.type = "button";
      save.textContent = words("saveBackup");
      save.setAttribute("aria-describedby", when.id);
      save.addEventListener("click", () => download(this.core.dataFileOf(backup.image), backupName(backup)));
      const restore = document.createElement("button");
      restore.type = "button";
      // A backup that does not hold a whole image is listed, but cannot go to the radio.
      if (summary.readable) restore.dataset.restore = "";
      restore.textContent = words("restoreBackup");
      restore.setAttribute("aria-describedby", when.id);
      restore.disabled = this.busy || !summary.readable;
      restore.addEventListener("click", () => this.restore(backup));
      actions.append(save, restore);
    }
  }
}
