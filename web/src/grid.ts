// The channel grid, read-only, as an ARIA grid: a header row and one row per channel; one cell
// at a time is in the tab order and the arrow keys, Home/End, Ctrl+Home/End and PageUp/PageDown
// move it.
import type { Core, Document } from "./core";

const PAGE_ROWS = 16;

export class ChannelGrid {
  readonly element: HTMLTableElement;
  private readonly cells: HTMLTableCellElement[][] = [];
  private readonly headers: HTMLTableCellElement[] = [];
  private row = 0;
  private column = 0;

  constructor(private readonly core: Core) {
    const rows = core.channelCount();
    const columns = core.columnCount();
    this.element = document.createElement("table");
    this.element.className = "grid";
    this.element.setAttribute("role", "grid");
    this.element.setAttribute("aria-readonly", "true");
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
      const line: HTMLTableCellElement[] = [];
      for (let c = 0; c < columns; c++) {
        const cell = document.createElement(c === 0 ? "th" : "td");
        cell.setAttribute("role", c === 0 ? "rowheader" : "gridcell");
        cell.setAttribute("aria-colindex", String(c + 1));
        cell.tabIndex = -1;
        cell.addEventListener("click", () => this.moveTo(r, c));
        tr.appendChild(cell);
        line.push(cell);
      }
      this.cells.push(line);
    }
    this.cells[0][0].tabIndex = 0;
    this.element.addEventListener("keydown", (e) => this.onKey(e));
  }

  // Every cell and header from the document, in `lang`.
  show(doc: Document, lang: string): void {
    this.headers.forEach((th, c) => (th.textContent = this.core.columnHeader(c, lang)));
    this.cells.forEach((line, r) =>
      line.forEach((cell, c) => (cell.textContent = doc.cell(r, c, lang))),
    );
  }

  private moveTo(row: number, column: number): void {
    const rows = this.cells.length;
    const columns = this.headers.length;
    row = Math.max(0, Math.min(rows - 1, row));
    column = Math.max(0, Math.min(columns - 1, column));
    this.cells[this.row][this.column].tabIndex = -1;
    this.row = row;
    this.column = column;
    const cell = this.cells[row][column];
    cell.tabIndex = 0;
    cell.focus();
  }

  private onKey(e: KeyboardEvent): void {
    const last = this.headers.length - 1;
    const moves: Record<string, () => void> = {
      ArrowUp: () => this.moveTo(this.row - 1, this.column),
      ArrowDown: () => this.moveTo(this.row + 1, this.column),
      ArrowLeft: () => this.moveTo(this.row, this.column - 1),
      ArrowRight: () => this.moveTo(this.row, this.column + 1),
      PageUp: () => this.moveTo(this.row - PAGE_ROWS, this.column),
      PageDown: () => this.moveTo(this.row + PAGE_ROWS, this.column),
      Home: () => (e.ctrlKey ? this.moveTo(0, 0) : this.moveTo(this.row, 0)),
      End: () => (e.ctrlKey ? this.moveTo(this.cells.length - 1, last) : this.moveTo(this.row, last)),
    };
    const move = moves[e.key];
    if (!move) return;
    e.preventDefault();
    move();
  }
}
