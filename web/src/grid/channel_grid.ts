// The channel grid as an ARIA grid: a header row and one row per channel. One cell at a time is
// in the tab order; the arrow keys, Home/End, Ctrl+Home/End and PageUp/PageDown move it, Tab
// moves on to the next cell. Enter or F2 opens the cell's editor, a typed character opens it
// with that character as the new entry. Shift+Up/Down chooses channels for the operations on
// whole channels. Every check and change goes through the core.
import type { Document } from "../core";
import { CellEditor, type EditorEnd } from "./cell_editor";
import type { Page } from "./edit_core";

const PAGE_ROWS = 16;
const RX = 1;

export class ChannelGrid {
  readonly element: HTMLTableElement;
  private readonly cells: HTMLTableCellElement[][] = [];
  private readonly rows: HTMLTableRowElement[] = [];
  private readonly headers: HTMLTableCellElement[] = [];
  private row = 0;
  private column = 0;
  private editor: CellEditor | null = null;
  private hidden = new Set<number>();
  readonly selection;

  constructor(private readonly page: Page) {
    const { core } = page;
    this.selection = new core.ChannelSelection();
    const rows = core.channelCount();
    const columns = core.columnCount();
    this.element = document.createElement("table");
    this.element.className = "grid";
    this.element.setAttribute("role", "grid");
    this.element.setAttribute("aria-multiselectable", "true");
    this.element.setAttribute("aria-rowcount", String(rows + 1));
    this.element.setAttribute("aria-colcount", String(columns));

    const head = this.element.createTHead().insertRow();
    head.setAttribute("role", "row");
    head.setAttribute("aria-rowindex", "1");
    for (let c = 0; c < columns; c++) {
      const th = document.createElement("th");
      th.setAttribute("role", "columnheader");
      th.setAttribute("aria-colindex", String(c + 1));
      head.appendChild(th);
      this.headers.push(th);
    }
    const body = this.element.createTBody();
    for (let r = 0; r < rows; r++) {
      const tr = body.insertRow();
      tr.setAttribute("role", "row");
      tr.setAttribute("aria-rowindex", String(r + 2));
      tr.setAttribute("aria-selected", "false");
      const line: HTMLTableCellElement[] = [];
      for (let c = 0; c < columns; c++) {
        const cell = document.createElement(c === 0 ? "th" : "td");
        cell.setAttribute("role", c === 0 ? "rowheader" : "gridcell");
        cell.setAttribute("aria-colindex", String(c + 1));
        cell.tabIndex = -1;
        cell.addEventListener("click", (e) => this.onClick(r, c, e));
        cell.addEventListener("dblclick", () => this.openEditor(null, true));
        // A cell focused from outside (a screen reader's cursor) becomes the current one, as a
        // click on it would.
        cell.addEventListener("focus", () => {
          if (this.row === r && this.column === c) return;
          if (!this.selection.empty() && !(c === 0 && this.selection.contains(r + 1))) {
            this.selection.clear();
            this.show();
          }
          this.moveTo(r, c, false);
        });
        tr.appendChild(cell);
        line.push(cell);
      }
      this.cells.push(line);
      this.rows.push(tr);
    }
    this.cells[0][0].tabIndex = 0;
    this.element.addEventListener("keydown", (e) => this.onKey(e));
  }

  // Every cell and header from the document, in the page's language.
  show(): void {
    const lang = this.page.lang();
    const doc: Document = this.page.doc;
    this.headers.forEach((th, c) => {
      const text = this.page.core.columnHeader(c, lang);
      if (th.textContent !== text) th.textContent = text;
    });
    this.cells.forEach((line, r) => {
      line.forEach((cell, c) => {
        if (this.editor && this.editor.channel === r + 1 && this.editor.column === c) return;
        const text = doc.cell(r, c, lang);
        if (cell.textContent !== text) cell.textContent = text;
      });
      this.rows[r].setAttribute("aria-selected", String(this.selection.contains(r + 1)));
      this.rows[r].hidden = this.hidden.has(r + 1);
    });
  }

  // The channel (1..128) and column of the current cell.
  current(): { channel: number; column: number } {
    return { channel: this.row + 1, column: this.column };
  }

  // The rows shown (all but those the find box hides), ascending.
  shown(): number[] {
    const all: number[] = [];
    for (let ch = 1; ch <= this.rows.length; ch++) if (!this.hidden.has(ch)) all.push(ch);
    return all;
  }

  // Only `channels` shown (null: all of them); the current cell moves to a shown row.
  showOnly(channels: number[] | null): void {
    this.closeEditor("commit");
    this.hidden = new Set();
    if (channels) {
      const keep = new Set(channels);
      for (let ch = 1; ch <= this.rows.length; ch++) if (!keep.has(ch)) this.hidden.add(ch);
    }
    this.show();
    if (this.hidden.has(this.row + 1)) {
      const next = this.shown().find((ch) => ch > this.row + 1) ?? this.shown().pop();
      if (next !== undefined) this.moveTo(next - 1, this.column, false);
    }
  }

  // The channels the operations on whole channels act on: the chosen ones that are shown, or
  // the current one.
  operationChannels(): number[] {
    const shown = new Set(this.shown());
    if (!this.selection.empty()) return this.selection.channels().filter((ch) => shown.has(ch));
    return shown.has(this.row + 1) ? [this.row + 1] : [];
  }

  choose(channels: number[]): void {
    this.selection.set(channels);
    this.show();
  }

  setCurrent(channel: number, column = Math.max(this.column, RX)): void {
    this.moveTo(channel - 1, column, false);
  }

  focus(): void {
    this.cells[this.row][this.column].focus();
  }

  // Ends an open edit as a click elsewhere would.
  closeEditor(how: EditorEnd): void {
    this.editor?.end(how, "");
  }

  private onClick(row: number, column: number, e: MouseEvent): void {
    if (column === 0) {
      this.selection.press(row + 1, e.shiftKey, e.ctrlKey || e.metaKey);
      this.show();
    } else if (!this.selection.empty()) {
      this.selection.clear();
      this.show();
    }
    this.moveTo(row, column, true);
  }

  private moveTo(row: number, column: number, focus = true): void {
    const rows = this.cells.length;
    const columns = this.headers.length;
    row = Math.max(0, Math.min(rows - 1, row));
    column = Math.max(0, Math.min(columns - 1, column));
    this.cells[this.row][this.column].tabIndex = -1;
    this.row = row;
    this.column = column;
    const cell = this.cells[row][column];
    cell.tabIndex = 0;
    if (focus || this.element.contains(document.activeElement)) cell.focus();
  }

  // The next shown row `steps` rows up (negative) or down from the current one, stopping at
  // either end.
  private shownRow(steps: number): number {
    const shown = this.shown();
    if (shown.length === 0) return this.row;
    let at = shown.findIndex((ch) => ch >= this.row + 1);
    if (at < 0) at = shown.length - 1;
    at = Math.max(0, Math.min(shown.length - 1, at + steps));
    return shown[at] - 1;
  }

  // Tab: the next data cell, row after row; false at either end (the focus leaves the grid).
  private moveOn(forward: boolean): boolean {
    const shown = this.shown();
    const columns = this.headers.length - 1;
    const at = shown.indexOf(this.row + 1);
    if (at < 0) return false;
    let cell = at * columns + Math.max(this.column, 1) - 1 + (forward ? 1 : -1);
    if (this.column === 0 && forward) cell = at * columns;
    if (cell < 0 || cell >= shown.length * columns) return false;
    this.moveTo(shown[Math.floor(cell / columns)] - 1, (cell % columns) + 1);
    return true;
  }

  private onKey(e: KeyboardEvent): void {
    if (this.editor) return;
    const last = this.headers.length - 1;
    const plainKey = !e.ctrlKey && !e.altKey && !e.metaKey;
    if ((e.key === "ArrowUp" || e.key === "ArrowDown") && e.shiftKey && plainKey) {
      const to = this.shownRow(e.key === "ArrowUp" ? -1 : 1);
      this.selection.extend(this.row + 1, to + 1);
      this.moveTo(to, this.column);
      this.show();
      e.preventDefault();
      return;
    }
    const moves: Record<string, () => void> = {
      ArrowUp: () => this.moveTo(this.shownRow(-1), this.column),
      ArrowDown: () => this.moveTo(this.shownRow(1), this.column),
      ArrowLeft: () => this.moveTo(this.row, this.column - 1),
      ArrowRight: () => this.moveTo(this.row, this.column + 1),
      PageUp: () => this.moveTo(this.shownRow(-PAGE_ROWS), this.column),
      PageDown: () => this.moveTo(this.shownRow(PAGE_ROWS), this.column),
      Home: () => (e.ctrlKey ? this.moveTo((this.shown()[0] ?? 1) - 1, 0) : this.moveTo(this.row, 0)),
      End: () =>
        e.ctrlKey ? this.moveTo((this.shown().pop() ?? 1) - 1, last) : this.moveTo(this.row, last),
    };
    const move = moves[e.key];
    if (move && !e.altKey && !e.shiftKey) {
      e.preventDefault();
      if (!this.selection.empty()) {
        this.selection.clear();
        this.show();
      }
      move();
      return;
    }
    if (e.key === "Tab" && plainKey) {
      if (this.moveOn(!e.shiftKey)) e.preventDefault();
      return;
    }
    if ((e.key === "Enter" || e.key === "F2") && plainKey && !e.shiftKey) {
      e.preventDefault();
      this.openEditor(null, e.key === "Enter");
      return;
    }
    if (plainKey && e.key.length === 1 && e.key !== " ") {
      e.preventDefault();
      this.openEditor(e.key, false);
    }
  }

  // Opens the editor of the current cell (a free channel can only be started by its receive
  // frequency), with `typed` as the new entry or the cell's text kept.
  openEditor(typed: string | null, selectAll: boolean): void {
    const { core, doc } = this.page;
    this.closeEditor("commit");
    if (this.hidden.has(this.row + 1)) return;
    const channel = this.row + 1;
    const column = core.editorColumn(doc, channel, this.column);
    if (column === 0) return;
    if (column !== this.column) this.moveTo(this.row, column);
    const cell = this.cells[this.row][column];
    const editor = new CellEditor(
      this.page,
      channel,
      column,
      this.headers[column].textContent ?? "",
      cell.textContent ?? "",
      typed,
      (how, key) => this.editorEnded(editor, how, key),
    );
    this.editor = editor;
    cell.textContent = "";
    cell.appendChild(editor.element);
    editor.focus(selectAll);
  }

  private editorEnded(editor: CellEditor, how: EditorEnd, key: string): void {
    if (this.editor !== editor) return;
    const hadFocus = editor.element === document.activeElement || key !== "";
    const refusal = how === "commit" ? editor.commit() : "";
    this.editor = null;
    const cell = this.cells[editor.channel - 1][editor.column];
    editor.element.remove();
    cell.textContent = this.page.doc.cell(editor.channel - 1, editor.column, this.page.lang());
    this.page.changed();
    if (hadFocus) {
      this.moveTo(this.row, this.column);
      if (key === "Tab") this.moveOn(true);
      if (key === "BackTab") this.moveOn(false);
    }
    if (refusal) this.page.tell(refusal);
  }
}
