// A settings window on the page: a non-modal dialog region with its title and a Close button.
// Closing only hides it, as the desktop's windows do, so its fields keep what they hold;
// Escape closes it and the focus goes back to the command that opened it.
export class Panel {
  readonly element: HTMLElement;
  readonly body: HTMLElement;
  private readonly title: HTMLHeadingElement;
  private readonly closeButton: HTMLButtonElement;
  private opener: HTMLElement | null = null;

  constructor(host: HTMLElement, id: string) {
    this.element = document.createElement("section");
    this.element.id = id;
    this.element.className = "window";
    this.element.setAttribute("role", "dialog");
    this.element.hidden = true;
    this.title = document.createElement("h2");
    this.title.id = `${id}-title`;
    this.element.setAttribute("aria-labelledby", this.title.id);
    this.closeButton = document.createElement("button");
    this.closeButton.type = "button";
    this.closeButton.className = "close";
    this.closeButton.addEventListener("click", () => this.close());
    const bar = document.createElement("div");
    bar.className = "window-bar";
    bar.append(this.title, this.closeButton);
    this.body = document.createElement("div");
    this.element.append(bar, this.body);
    this.element.addEventListener("keydown", (e) => {
      if (e.key === "Escape" && !e.defaultPrevented) {
        e.preventDefault();
        this.close();
      }
    });
    host.appendChild(this.element);
  }

  get shown(): boolean {
    return !this.element.hidden;
  }

  setTitle(title: string, close: string): void {
    this.title.textContent = title;
    this.closeButton.textContent = close;
  }

  // Shows the window and puts the focus on `focus` (its first field when not given).
  open(opener: HTMLElement | null, focus?: HTMLElement | null): void {
    this.opener = opener;
    this.element.hidden = false;
    const first = focus ?? this.body.querySelector<HTMLElement>("input:not([disabled]), select:not([disabled]), button:not([disabled])");
    (first ?? this.closeButton).focus();
  }

  close(): void {
    this.element.hidden = true;
    this.opener?.focus();
  }
}

// A caption and its field in one row; the label names the field.
export function fieldRow(caption: string, field: HTMLElement, id: string): HTMLElement {
  const row = document.createElement("div");
  row.className = "field";
  const label = document.createElement("label");
  label.htmlFor = id;
  label.textContent = caption;
  field.id = id;
  row.append(label, field);
  return row;
}

export function listBox(entries: string[], selected: number): HTMLSelectElement {
  const select = document.createElement("select");
  entries.forEach((e, i) => select.add(new Option(e, String(i))));
  select.selectedIndex = selected;
  return select;
}

export function frame(title: string, ...children: HTMLElement[]): HTMLFieldSetElement {
  const set = document.createElement("fieldset");
  const legend = document.createElement("legend");
  legend.textContent = title;
  set.append(legend, ...children);
  return set;
}
