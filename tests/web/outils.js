// What the browser tests and the browser figures share: a static server for the site (with a
// way to lose a file), Debian's headless Chromium through puppeteer-core, and a page whose
// console, trace and state are collected.
'use strict';
const http = require('http');
const fs = require('fs');
const path = require('path');
const puppeteer = require('puppeteer-core');

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
                '.png': 'image/png', '.gz': 'application/gzip' };

// Serves `racines` (URL prefix -> folder) on 127.0.0.1; under /sans-donnees/ the site is served
// without its data package.
function servir(racines) {
  const serveur = http.createServer((req, res) => {
    let url = decodeURIComponent(req.url.split('?')[0]);
    let perdu = false;
    if (url.startsWith('/sans-donnees/')) {
      url = url.slice('/sans-donnees'.length);
      perdu = url === '/mirage.data';
    }
    if (url.endsWith('/')) url += 'index.html';
    const prefixe = Object.keys(racines).filter((p) => url.startsWith(p)).sort((a, b) => b.length - a.length)[0];
    const fichier = prefixe !== undefined && path.join(racines[prefixe], url.slice(prefixe.length));
    if (perdu || !fichier || !fs.existsSync(fichier) || !fs.statSync(fichier).isFile()) {
      res.writeHead(404);
      res.end('not found');
      return;
    }
    res.writeHead(200, { 'Content-Type': TYPES[path.extname(fichier)] || 'application/octet-stream' });
    fs.createReadStream(fichier).pipe(res);
  });
  return new Promise((fin) => serveur.listen(0, '127.0.0.1', () => fin(serveur)));
}

function lancer() {
  const args = ['--no-sandbox', '--disable-dev-shm-usage', '--mute-audio'];
  return puppeteer.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true, args,
                            protocolTimeout: 600000 });
}

// A page of the game at `adresse`, with its console lines, errors and trace lines gathered.
// `avant` runs in the page before its own scripts.
async function ouvrir(navigateur, adresse, avant) {
  const page = await navigateur.newPage();
  await page.setViewport({ width: 1400, height: 1000 });
  if (avant) await page.evaluateOnNewDocument(avant);
  const journal = { erreurs: [], lignes: [], trace: [] };
  page.on('console', (m) => {
    const texte = m.text();
    journal.lignes.push(texte);
    if (m.type() === 'error') journal.erreurs.push(texte);
    if (texte.startsWith('{"ev":')) journal.trace.push(texte);
  });
  page.on('pageerror', (e) => journal.erreurs.push(String(e.message)));
  await page.goto(adresse);
  return { page, journal };
}

// Waits (on the real clock, never asserting on it) until `condition` holds in the page.
function attendre(page, condition, arg, delai = 30000) {
  return page.waitForFunction(condition, { timeout: delai, polling: 50 }, arg);
}

// Waits until the trace holds a line matching `motif`, and returns it.
async function attendreTrace(journal, motif, delai = 30000) {
  const fin = Date.now() + delai;
  for (;;) {
    const l = journal.trace.find((t) => motif.test(t));
    if (l) return l;
    if (Date.now() > fin) throw new Error('no trace event ' + motif + ' (last: ' + journal.trace.slice(-3).join(' | ') + ')');
    await new Promise((r) => setTimeout(r, 50));
  }
}

module.exports = { servir, lancer, ouvrir, attendre, attendreTrace };
