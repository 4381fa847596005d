// A seeded random sequence for the property tests (mulberry32: small, and the same sequence for
// the same seed everywhere). The seed comes from the environment variable `name` when set, and
// is printed so that a failing run can be repeated.
export function seededRandom(name) {
  const seed = Number(process.env[name] ?? Date.now() % 2147483647);
  console.log(`seed ${seed} (${name}=${seed} repeats this run)`);
  let state = seed >>> 0;
  const random = () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const below = (n) => Math.floor(random() * n);
  const pick = (list) => list[below(list.length)];
  return { random, below, pick };
}
