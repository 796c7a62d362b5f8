// Programs a test starts (a web server, an X server, a browser's driver), each waited
// for by a sign that it is ready, for at most TOWN_WAIT_SECONDS (60 unless set: room
// for a slow or busy machine). A wait that runs out, or a program that ends before it
// is ready, fails naming what did not come up with the tail of its log.
import { spawn } from 'node:child_process';

export const startLimitMs = 1000 * Number(process.env.TOWN_WAIT_SECONDS || 60);
const KeptLog = 16384;
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// Starts a program with its standard output and error kept as its log (the last
// 16 KiB); extra pipes (fd 3 on) are the caller's. The program is stopped when this
// process exits. Resolves nothing: { child, log(), ended(), stop() }.
export function startProgram(command, args, { env = process.env, extraPipes = 0 } = {}) {
  const stdio = ['ignore', 'pipe', 'pipe', ...Array(extraPipes).fill('pipe')];
  const child = spawn(command, args, { stdio, env });
  let log = '';
  const keep = (chunk) => (log = (log + chunk).slice(-KeptLog));
  child.stdout.on('data', keep);
  child.stderr.on('data', keep);
  let status = null;
  const stop = () => child.kill();
  process.on('exit', stop);
  child.on('exit', (code, signal) => {
    status = signal ?? code;
    process.off('exit', stop);
  });
  child.on('error', (error) => (status = error.message));
  return { child, log: () => log, ended: () => status, stop };
}

const tail = (log) => {
  const lines = log.trimEnd().split('\n').slice(-20);
  return lines.join('') ? `\n-- the last lines of its log:\n   ${lines.join('\n   ')}` : ' (its log is empty)';
};

// Asks check() every tenth of a second until it gives a true value, which it resolves
// to; a check that throws counts as not yet. Rejects when the program ends first or
// the time is up.
export async function untilReady(what, program, check) {
  const end = Date.now() + startLimitMs;
  for (;;) {
    const value = await Promise.resolve()
      .then(check)
      .catch(() => null);
    if (value) return value;
    if (program.ended() !== null)
      throw new Error(`${what}: it ended (${program.ended()}) before it was ready${tail(program.log())}`);
    if (Date.now() > end) throw new Error(`${what}: not ready within ${startLimitMs / 1000} s${tail(program.log())}`);
    await sleep(100);
  }
}

// What a started program is asked to do (a promise), waited for at most as long as
// its start: a program that never answers fails naming it, with the tail of its log.
export async function answeredWithin(what, program, promise) {
  promise.catch(() => {}); // still pending when the wait runs out: its end is of no use
  let timer;
  const limit = new Promise((_, reject) => {
    timer = setTimeout(
      () => reject(new Error(`${what}: no answer within ${startLimitMs / 1000} s${tail(program.log())}`)),
      startLimitMs,
    );
  });
  try {
    return await Promise.race([promise, limit]);
  } finally {
    clearTimeout(timer);
  }
}

// An HTTP server at url answers (any status), within 5 s of being asked.
export async function answers(url) {
  await (await fetch(url, { signal: AbortSignal.timeout(5000) })).arrayBuffer();
  return true;
}
