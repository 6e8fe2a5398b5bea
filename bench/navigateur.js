// Figures of the browser build (bench/navigateur.sh runs it): time from the address to the
// splash's first frame, level 1 frame work in the browser (the golden replay of level 1 on the
// virtual clock, and 20 s played by the keyboard), the browser's CPU share of a core in those
// 20 s. Prints JSON.
//   node bench/navigateur.js SITE REPLAYS_DIR
'use strict';
const fs = require('fs');
const path = require('path');
const outils = require(path.join(__dirname, '../tests/web/outils'));

const pause = (ms) => new Promise((r) => setTimeout(r, ms));

// CPU time (ms) of a process and all its descendants, from /proc.
function cpu(racine) {
  const parents = {};
  const temps = {};
  const tic = 1000 / 100;  // USER_HZ
  for (const p of fs.readdirSync('/proc').filter((d) => /^\d+$/.test(d))) {
    try {
      const champs = fs.readFileSync('/proc/' + p + '/stat', 'utf8').replace(/^.*\) /, '').split(' ');
      parents[p] = champs[1];
      temps[p] = (Number(champs[11]) + Number(champs[12])) * tic;
    } catch (e) { /* gone */ }
  }
  const dedans = (p) => p === String(racine) || (parents[p] && parents[p] !== '0' && parents[p] !== p && dedans(parents[p]));
  return Object.keys(temps).filter(dedans).reduce((s, p) => s + temps[p], 0);
}

function quantile(valeurs, q) {
  const v = valeurs.slice().sort((a, b) => a - b);
  return v[Math.min(v.length - 1, Math.floor(q * v.length))];
}

(async () => {
  const [site, rejeux] = process.argv.slice(2);
  const serveur = await outils.servir({ '/': site, '/rejeux/': rejeux });
  const base = 'http://127.0.0.1:' + serveur.address().port + '/';
  const resultat = { premiere_image_ms: [] };
  // The first splash frame, five times, each in a fresh browser (nothing cached).
  for (let i = 0; i < 5; ++i) {
    const navigateur = await outils.lancer();
    const { page } = await outils.ouvrir(navigateur, base);
    await outils.attendre(page, () => window.mirage.premiereImage !== null, null, 60000);
    resultat.premiere_image_ms.push(Math.round(await page.evaluate(() => window.mirage.premiereImage)));
    await navigateur.close();
  }
  // The golden replay of level 1 (seed 1) on the virtual clock, every frame's work measured, as
  // the native simulator measures the same replay.
  {
    const navigateur = await outils.lancer();
    const { page } = await outils.ouvrir(navigateur, base + '?mesures&rejouer=/rejeux/niveau1_graine1.rej.gz');
    await outils.attendre(page, () => window.mirage.etat === 'fini' || window.mirage.etat === 'erreur', null, 300000);
    const mesures = await page.evaluate(() => window.mirage.erreur ? [] : window.mirage.mesures);
    if (mesures.length) {
      resultat.rejeu_niveau1 = {
        images: mesures.length,
        mediane_ms: +quantile(mesures, 0.5).toFixed(3),
        p99_ms: +quantile(mesures, 0.99).toFixed(3),
        max_ms: +Math.max(...mesures).toFixed(3),
      };
    }
    await navigateur.close();
  }
  // Level 1 by the keyboard, then 20 s of play with fire held, the ship sweeping up and down.
  const navigateur = await outils.lancer();
  const { page, journal } = await outils.ouvrir(navigateur, base + '?trace&mesures');
  await outils.attendre(page, () => window.mirage.etat === 'jeu', null, 60000);
  await outils.attendreTrace(journal, /"nom":"presentation"/);
  for (let i = 0; i < 2; ++i) {
    await pause(500);
    await page.keyboard.press('Enter', { delay: 60 });
  }
  await outils.attendreTrace(journal, /"nom":"intro"/);
  while (!journal.trace.some((l) => /"ev":"scene".*"nom":"menu"/.test(l))) {
    await page.keyboard.press('Escape', { delay: 60 });
    await pause(250);
  }
  await pause(500);
  await page.keyboard.press('Enter', { delay: 60 });
  await outils.attendreTrace(journal, /"ev":"scene".*"nom":"niveau1"/);
  await outils.attendreTrace(journal, /"ev":"arrivee"/, 60000);
  await page.keyboard.down('g');
  const debut = await page.evaluate(() => window.mirage.mesures.length);
  const cpu0 = cpu(navigateur.process().pid);
  const t0 = Date.now();
  for (let i = 0; i < 10; ++i) {
    await page.keyboard.down(i % 2 ? 'ArrowDown' : 'ArrowUp');
    await pause(2000);
    await page.keyboard.up(i % 2 ? 'ArrowDown' : 'ArrowUp');
  }
  const cpu1 = cpu(navigateur.process().pid);
  const t1 = Date.now();
  await page.keyboard.up('g');
  const mesures = (await page.evaluate(() => window.mirage.mesures)).slice(debut);
  resultat.niveau1 = {
    images: mesures.length,
    mediane_ms: +quantile(mesures, 0.5).toFixed(3),
    p99_ms: +quantile(mesures, 0.99).toFixed(3),
    max_ms: +Math.max(...mesures).toFixed(3),
    cpu_part_coeur: +((cpu1 - cpu0) / (t1 - t0)).toFixed(3),
    fin: journal.trace.filter((l) => /"ev":"(touche|fin_niveau)"/.test(l)).slice(-1)[0] || null,
  };
  await navigateur.close();
  serveur.close();
  console.log(JSON.stringify(resultat));
})().catch((e) => { console.error(e); process.exit(1); });
