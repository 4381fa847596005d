// The editor of one grid cell, opened over it: a text box for frequencies and names (each edit
// filtered by the core as the desktop's editors filter typing), a list for the other columns.
// Enter or Tab ends it with the value stored, Escape ends it with nothing changed.
import { filterTyping, type Page } from "./edit_core";

const RX = 1;
const TX = 2;
const NAME = 10;

export type EditorEnd = "commit" | "cancel";

export class CellEditor {
  readonly element: HTMLInputElement | HTMLSelectElement;
  private ended = false;

  // `typed`: the character that opened the editor (the new entry), or null to keep the text.
  constructor(
    private readonly page: Page,
    readonly channel: number,
    readonly column: number,
    label: string,
    text: string,
    typed: string | null,
    private readonly onEnd: (how: EditorEnd, key: string) => void,
  ) {
    const { core, doc } = page;
    if (column === RX || column === TX || column === NAME) {
      const input = document.createElement("input");
      input.type = "text";
      input.spellcheck = false;
      input.autocomplete = "off";
      if (typed !== null) {
        // The typed character is the new entry, as far as the editor takes it.
        text = core.filterEntry(column === NAME, "", typed).text;
      }
      input.value = text;
      filterTyping(core, input, column === NAME);
      this.element = input;
    } else {
      const select = document.createElement("select");
      core.listEntries(column, page.lang()).forEach((words, i) => select.add(new Option(words, String(i))));
      select.value = String(core.optionIndex(doc, channel, column));
      if (typed !== null) {
        // As a list does: the first entry that starts with the typed character.
        const lower = typed.toLowerCase();
        const found = Array.from(select.options).find((o) => o.text.toLowerCase().startsWith(lower));
        if (found) select.value = found.value;
      }
      this.element = select;
    }
    this.element.className = "cell-editor";
    this.element.setAttribute("aria-label", label);
    this.element.addEventListener("keydown", (e) => this.onKey(e as KeyboardEvent));
    this.element.addEventListener("blur", () => this.end("commit", ""));
  }

  // Stores the value through the core: empty, or the refusal to show.
  commit(): string {
    const { core, doc } = this.page;
    if (this.element instanceof HTMLSelectElement) {
      const index = Number(this.element.value);
      if (index !== core.optionIndex(doc, this.channel, this.column)) {
        core.commitOption(doc, this.channel, this.column, index);
      }
      return "";
    }
    const text = this.element.value;
    if (this.column === NAME) {
      core.commitName(doc, this.channel, text);
      return "";
    }
    return core.commitFrequency(doc, this.channel, this.column, text, this.page.lang());
  }

  end(how: EditorEnd, key: string): void {
    if (this.ended) return;
    this.ended = true;
    this.onEnd(how, key);
  }

  // F2 and a typed character leave the cursor after the text, Enter selects the text.
  focus(selectAll: boolean): void {
    this.element.focus();
    if (this.element instanceof HTMLInputElement) {
      if (selectAll) {
        this.element.select();
      } else {
        const end = this.element.value.length;
        this.element.setSelectionRange(end, end);
      }
    }
  }

  private onKey(e: KeyboardEvent): void {
    if (e.key === "Escape") {
      e.preventDefault();
      e.stopPropagation();
      this.end("cancel", e.key);
    } else if (e.key === "Enter" || e.key === "Tab") {
      e.preventDefault();
      e.stopPropagation();
      this.end("commit", e.shiftKey && e.key === "Tab" ? "BackTab" : e.key);
    } else if (!e.ctrlKey && !e.metaKey && !e.altKey) {
      // The editor's own keys (arrows in the text or the list) stay with it; the page's
      // shortcuts (Ctrl+S) go on.
      e.stopPropagation();
    }
  }
}
