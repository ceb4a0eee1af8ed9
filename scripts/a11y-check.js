// Runs axe-core on web pages in headless Chromium (WCAG 2 A and AA rules and best practice) and
// prints each violation with the elements it concerns. Chromium is driven through its DevTools
// protocol over a pipe, so nothing but axe-core is needed from outside.
//   node a11y-check.js AXE_JS PAGE...
// Exit code 0 when no page has a violation, 1 when one has, 2 when a page could not be checked.
'use strict';
const { spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { pathToFileURL } = require('url');

const [axePath, ...pages] = process.argv.slice(2);
const axeSource = fs.readFileSync(axePath, 'utf8');
const axeVersion = (axeSource.match(/axe v([0-9.]+)/) || [, '?'])[1];
const tags = ['wcag2a', 'wcag2aa', 'best-practice'];

const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'a11y-chromium-'));
const chromium = spawn('chromium', ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`,
    '--remote-debugging-pipe', 'about:blank'], { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] });

// The protocol: JSON messages, each ended by a zero byte; answers carry the id of their request.
const pending = new Map();
let nextId = 1;
let received = Buffer.alloc(0);
chromium.stdio[4].on('data', (chunk) => {
  received = Buffer.concat([received, chunk]);
  for (let end; (end = received.indexOf(0)) >= 0; received = received.subarray(end + 1)) {
    const message = JSON.parse(received.subarray(0, end).toString('utf8'));
    const waiting = message.id && pending.get(message.id);
    if (!waiting) continue;
    pending.delete(message.id);
    if (message.error) waiting.reject(new Error(message.error.message));
    else waiting.resolve(message.result);
  }
});
chromium.on('exit', () => pending.forEach((waiting) => waiting.reject(new Error('chromium ended'))));

function send(method, params = {}, sessionId = undefined) {
  const id = nextId++;
  chromium.stdio[3].write(JSON.stringify({ id, method, params, sessionId }) + '\0');
  return new Promise((resolve, reject) => pending.set(id, { resolve, reject }));
}

async function evaluate(sessionId, expression) {
  const { result, exceptionDetails } = await send('Runtime.evaluate',
    { expression, awaitPromise: true, returnByValue: true }, sessionId);
  if (exceptionDetails) throw new Error(exceptionDetails.exception ? exceptionDetails.exception.description : exceptionDetails.text);
  return result.value;
}

async function check(page) {
  const { targetId } = await send('Target.createTarget', { url: 'about:blank' });
  const { sessionId } = await send('Target.attachToTarget', { targetId, flatten: true });
  try {
    const url = pathToFileURL(path.resolve(page)).href;
    await send('Page.navigate', { url }, sessionId);
    // The blank page is complete at once: wait for the page asked for.
    const loaded = `location.href === ${JSON.stringify(url)} && document.readyState === 'complete'`;
    for (let tries = 0; !(await evaluate(sessionId, loaded)); ++tries) {
      if (tries > 200) throw new Error('the page does not finish loading');
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
    await evaluate(sessionId, axeSource);
    return await evaluate(sessionId, `axe.run(document, { runOnly: { type: 'tag', values: ${JSON.stringify(tags)} } })
      .then((r) => r.violations.map((v) => ({ id: v.id, impact: v.impact, help: v.help,
                                                nodes: v.nodes.map((n) => n.target.join(' ')) })))`);
  } finally {
    await send('Target.closeTarget', { targetId });
  }
}

async function main() {
  let status = 0;
  for (const page of pages) {
    try {
      const violations = await check(page);
      console.log(`a11y: ${page}: ${violations.length === 0 ? 'no violation' : violations.length + ' violation(s)'}` +
                  ` (axe-core ${axeVersion}: ${tags.join(', ')})`);
      for (const v of violations) {
        console.log(`  ${v.id} (${v.impact}): ${v.help}`);
        for (const node of v.nodes.slice(0, 5)) console.log(`    ${node}`);
        if (v.nodes.length > 5) console.log(`    and ${v.nodes.length - 5} more`);
      }
      if (violations.length) status = Math.max(status, 1);
    } catch (error) {
      console.log(`a11y: ${page}: not checked: ${error.message}`);
      status = 2;
    }
  }
  return status;
}

const timer = setTimeout(() => { console.log('a11y: no answer from chromium within 120 s'); chromium.kill(); process.exit(2); }, 120000);
main().then(async (status) => {
  clearTimeout(timer);
  await new Promise((resolve) => {
    chromium.once('exit', resolve);
    send('Browser.close').catch(() => {});
    setTimeout(resolve, 5000);
  });
  fs.rmSync(profile, { recursive: true, force: true });
  process.exit(status);
}, (error) => {
  console.log(`a11y: ${error.message}`);
  chromium.kill();
  process.exit(2);
});
