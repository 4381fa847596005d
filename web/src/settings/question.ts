// The page's one question box: a modal dialog with the text, OK and Cancel, Cancel first in
// focus as on the desktop. Resolves true for OK.
export function ask(text: string, title: string, ok: string, cancel: string): Promise<boolean> {
  const dialog = document.createElement("dialog");
  dialog.setAttribute("role", "alertdialog");
  dialog.setAttribute("aria-label", title);
  const heading = document.createElement("h2");
  heading.textContent = title;
  const message = document.createElement("p");
  message.id = "question-text";
  message.textContent = text;
  dialog.setAttribute("aria-describedby", message.id);
  const okButton = document.createElement("button");
  okButton.type = "button";
  okButton.textContent = ok;
  const cancelButton = document.createElement("button");
  cancelButton.type = "button";
  cancelButton.textContent = cancel;
  const buttons = document.createElement("div");
  buttons.className = "buttons";
  buttons.append(okButton, cancelButton);
  dialog.append(heading, message, buttons);
  document.body.appendChild(dialog);
  const returnTo = document.activeElement as HTMLElement | null;
  return new Promise((resolve) => {
    const finish = (answer: boolean) => {
      dialog.close();
      dialog.remove();
      returnTo?.focus();
      resolve(answer);
    };
    okButton.addEventListener("click", () => finish(true));
    cancelButton.addEventListener("click", () => finish(false));
    dialog.addEventListener("cancel", (e) => {
      e.preventDefault();
      finish(false);
    });
    dialog.showModal();
    cancelButton.focus();
  });
}
