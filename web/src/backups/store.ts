// The backups: every image read from the radio, kept in this browser's IndexedDB, never
// overwritten.
export interface Backup {
  id: number;
  time: number; // milliseconds since 1970
  image: Uint8Array<ArrayBuffer>;
}

const DB = "talvo";
const STORE = "backups";

function request<T>(r: IDBRequest<T>): Promise<T> {
  return new Promise((resolve, reject) => {
    r.onsuccess = () => resolve(r.result);
    r.onerror = () => reject(r.error ?? new Error("IndexedDB"));
  });
}

let opened: Promise<IDBDatabase> | null = null;

function database(): Promise<IDBDatabase> {
  if (!opened) {
    const r = indexedDB.open(DB, 1);
    r.onupgradeneeded = () => {
      r.result.createObjectStore(STORE, { keyPath: "id", autoIncrement: true });
    };
    opened = request(r);
    opened.catch(() => {
      opened = null;
    });
  }
  return opened;
}

// Keeps `image`; resolves to its record once it is stored.
export async function keepBackup(image: Uint8Array): Promise<Backup> {
  const db = await database();
  const record = { time: Date.now(), image: new Uint8Array(image) };
  const tx = db.transaction(STORE, "readwrite");
  const id = await request(tx.objectStore(STORE).add(record));
  await new Promise<void>((resolve, reject) => {
    tx.oncomplete = () => resolve();
    tx.onerror = () => reject(tx.error ?? new Error("IndexedDB"));
    tx.onabort = () => reject(tx.error ?? new Error("IndexedDB"));
  });
  return { id: Number(id), ...record };
}

// Every backup, newest first.
export async function listBackups(): Promise<Backup[]> {
  const db = await database();
  const all = (await request(db.transaction(STORE).objectStore(STORE).getAll())) as Backup[];
  return all.sort((a, b) => b.time - a.time || b.id - a.id);
}

// A backup's name, as the backups folder of the desktop program names its files.
export function backupName(backup: Backup): string {
  const d = new Date(backup.time);
  const two = (n: number) => String(n).padStart(2, "0");
  return (
    `${d.getFullYear()}-${two(d.getMonth() + 1)}-${two(d.getDate())}_` +
    `${two(d.getHours())}-${two(d.getMinutes())}-${two(d.getSeconds())}.dat`
  );
}
