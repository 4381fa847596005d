// New, Open, Save and Save As of .dat files. Where the browser has the File System Access API,
// Open keeps the file's handle and Save writes back into the same file; elsewhere Open takes a
// file input and Save downloads the file. A file dropped on the page opens too. The title shows
// the file's name and "*" while there are unsaved edits, and leaving the page then asks first.
// The bytes are the core's: the same file the desktop and talvo-cli write.
import { plain, type Page } from "../grid/edit_core";
import { ask } from "./ask";

interface WritableFile {
  write(data: BufferSource): Promise<void>;
  close(): Promise<void>;
}
export interface FileHandle {
  readonly name: string;
  getFile(): Promise<File>;
  createWritable(): Promise<WritableFile>;
}
interface PickerOptions {
  types?: { description: string; accept: Record<string, string[]> }[];
  suggestedName?: string;
}
interface FileAccess {
  showOpenFilePicker?: (options?: PickerOptions) => Promise<FileHandle[]>;
  showSaveFilePicker?: (options?: PickerOptions) => Promise<FileHandle>;
}
const access = globalThis as unknown as FileAccess;

const DAT = { description: "QDF", accept: { "application/octet-stream": [".dat"] } };

export function download(bytes: BlobPart, type: string, name: string): void {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const a = document.createElement("a");
  a.href = url;
  a.download = name;
  a.click();
  setTimeout(() => URL.revokeObjectURL(url), 0);
}

// A user's cancel of a file chooser is no failure.
const cancelled = (e: unknown) => e instanceof DOMException && e.name === "AbortError";

export class Files {
  readonly element: HTMLElement;
  private fileName = "";
  private handle: FileHandle | null = null;
  private readonly buttons: Record<"new" | "open" | "save" | "saveAs", HTMLButtonElement>;
  private readonly input: HTMLInputElement;
  // A dropped channel list (.csv) goes here instead of being opened as a data file.
  onDroppedCsv: ((bytes: Uint8Array, name: string) => void) | null = null;

  constructor(private readonly page: Page) {
    this.element = document.createElement("div");
    this.element.className = "file-commands";
    this.element.setAttribute("role", "group");
    const button = (run: () => Promise<unknown>) => {
      const b = document.createElement("button");
      b.type = "button";
      b.addEventListener("click", () => void run().catch((e: unknown) => this.failed(e)));
      this.element.appendChild(b);
      return b;
    };
    this.buttons = {
      new: button(() => this.startNew()),
      open: button(() => this.chooseAndOpen()),
      save: button(() => this.save(false)),
      saveAs: button(() => this.save(true)),
    };
    this.input = document.createElement("input");
    this.input.type = "file";
    this.input.accept = ".dat";
    this.input.hidden = true;
    this.input.addEventListener("change", () => {
      const file = this.input.files?.[0];
      this.input.value = "";
      if (file) this.openFile(file, null).catch((e: unknown) => this.failed(e));
    });
    this.element.appendChild(this.input);

    document.addEventListener("dragover", (e) => {
      if (e.dataTransfer?.types.includes("Files")) e.preventDefault();
    });
    document.addEventListener("drop", (e) => {
      const file = e.dataTransfer?.files[0];
      if (!file) return;
      e.preventDefault();
      const csv = this.onDroppedCsv;
      if (csv && /\.csv$/i.test(file.name)) {
        file.arrayBuffer().then(
          (b) => csv(new Uint8Array(b), file.name),
          (error: unknown) => this.failed(error),
        );
        return;
      }
      this.settle()
        .then((go) => (go ? this.openFile(file, null) : undefined))
        .catch((error: unknown) => this.failed(error));
    });
    window.addEventListener("beforeunload", (e) => {
      if (!page.doc.modified()) return;
      e.preventDefault();
      e.returnValue = "";
    });
    document.addEventListener("keydown", (e) => {
      if (!(e.ctrlKey || e.metaKey) || e.altKey) return;
      const key = e.key.toLowerCase();
      const run: (() => Promise<unknown>) | null =
        key === "s" ? () => this.save(e.shiftKey) : key === "o" && !e.shiftKey ? () => this.chooseAndOpen() : null;
      if (!run) return;
      e.preventDefault();
      void run().catch((error: unknown) => this.failed(error));
    });
  }

  // The name the file goes by (empty for a new document).
  name(): string {
    return this.fileName;
  }

  // Button words and the title in the page's language.
  show(): void {
    const { core, doc } = this.page;
    const lang = this.page.lang();
    this.element.setAttribute("aria-label", plain(core.words("MainTexts", "File(&F)", lang)));
    this.buttons.new.textContent = core.words("MainTexts", "New", lang);
    this.buttons.open.textContent = core.words("MainTexts", "Open", lang);
    this.buttons.save.textContent = core.words("MainTexts", "Save", lang);
    this.buttons.saveAs.textContent = core.words("WebPage", "Save As", lang);
    const base = core.words("MainTexts", "TALVO Radio Programming Software V1.50", lang);
    const name = this.fileName || core.words("MainDocument", "Untitled", lang);
    document.title = `${base} - ${name}${doc.modified() ? "*" : ""}`;
  }

  private failed(e: unknown): void {
    if (!cancelled(e)) this.page.tell(String(e));
  }

  // Whether unsaved edits may go: asked as the desktop asks (Save, Discard, Cancel).
  private async settle(): Promise<boolean> {
    const { core, doc } = this.page;
    if (!doc.modified()) return true;
    const lang = this.page.lang();
    const w = (source: string) => core.words("LocalMsgbox", source, lang);
    const answer = await ask(
      core.words("MainDocument", "Attention", lang),
      core.words("MainDocument", "There are unsaved changes. Save them first?", lang),
      [w("Save"), w("Discard"), w("Cancel")],
    );
    if (answer === 0) return this.save(false);
    return answer === 1;
  }

  private async startNew(): Promise<void> {
    const { core, doc } = this.page;
    const lang = this.page.lang();
    if (!doc.modified()) {
      const answer = await ask(
        core.words("MainCommands", "Attention", lang),
        core.words("MainCommands", "Unsaved data will be lost, sure?", lang),
        [core.words("LocalMsgbox", "OK", lang), core.words("LocalMsgbox", "Cancel", lang)],
      );
      if (answer !== 0) return;
    } else if (!(await this.settle())) {
      return;
    }
    doc.startNew();
    this.fileName = "";
    this.handle = null;
    this.page.changed();
  }

  private async chooseAndOpen(): Promise<void> {
    if (!(await this.settle())) return;
    if (!access.showOpenFilePicker) {
      this.input.click();
      return;
    }
    const [handle] = await access.showOpenFilePicker({ types: [DAT] });
    await this.openFile(await handle.getFile(), handle);
  }

  // Opens `file` as one step; a file that is no data file leaves the document as it was.
  async openFile(file: File, handle: FileHandle | null): Promise<void> {
    const failure = this.page.doc.open(new Uint8Array(await file.arrayBuffer()), file.name, this.page.lang());
    if (failure) {
      this.page.tell(failure);
      return;
    }
    this.fileName = file.name;
    this.handle = handle;
    this.page.tell("");
    this.page.changed();
  }

  // Save writes back into the opened file where it can; Save As (and Save where it cannot)
  // asks for a place, or downloads the file. False when nothing was saved.
  private async save(asNew: boolean): Promise<boolean> {
    const { doc } = this.page;
    // An open cell editor ends first, its entry kept, as a click elsewhere would end it.
    const active = document.activeElement;
    if (active instanceof HTMLElement && active.classList.contains("cell-editor")) active.blur();
    try {
      let handle = asNew ? null : this.handle;
      if (!handle && access.showSaveFilePicker) {
        handle = await access.showSaveFilePicker({ types: [DAT], suggestedName: this.suggestedName() });
      }
      const revision = doc.revision();
      const bytes = doc.save();
      if (bytes.length === 0) return false;
      if (handle) {
        const out = await handle.createWritable();
        await out.write(bytes);
        await out.close();
        this.handle = handle;
        this.fileName = handle.name;
      } else {
        this.fileName = this.suggestedName();
        download(bytes, "application/octet-stream", this.fileName);
      }
      // Edits made while the file was being written stay unsaved.
      doc.markSaved(revision);
      this.page.changed();
      return true;
    } catch (e) {
      this.failed(e);
      return false;
    }
  }

  private suggestedName(): string {
    const untitled = plain(this.page.core.words("MainDocument", "Untitled", this.page.lang()));
    return this.fileName || `${untitled}.dat`;
  }
}
