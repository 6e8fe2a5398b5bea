// The game in Debian's headless Chromium: the page, the splash against the simulator's capture,
// a game played with the keyboard into level 1, the music, a recorded game played back, the
// golden replays' traces, and a lost data file.
//   node tests/web/navigateur.test.js SITE RUN_DIR REPLAYS_DIR
'use strict';
const assert = require('assert');
const crypto = require('crypto');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawnSync } = require('child_process');
const { servir, lancer, ouvrir, attendre, attendreTrace } = require('./outils');

const [site, run, rejeux] = process.argv.slice(2);
const essais = fs.mkdtempSync(path.join(os.tmpdir(), 'mirage-web-'));
let base, navigateur;
const resultats = [];

async function cas(nom, corps) {
  try {
    await corps();
    resultats.push([nom, null]);
    console.log('PASS ' + nom);
  } catch (e) {
    resultats.push([nom, e]);
    console.log('FAIL ' + nom + ': ' + (e && e.stack || e));
  }
}

const pause = (ms) => new Promise((r) => setTimeout(r, ms));
// Starts the page's game (the key the browser may ask for first) and passes the splash's two
// pictures, each of which takes Return only after its first ten frames.
async function passerPresentation(page, journal) {
  await attendre(page, () => window.mirage.etat === 'geste' || window.mirage.etat === 'jeu');
  if (await page.evaluate(() => window.mirage.etat) === 'geste') await appuyer(page, 'Space');
  await attendreTrace(journal, /"ev":"scene","t":\d+,"nom":"presentation"/);
  for (let i = 0; i < 2; ++i) {
    await pause(500);
    await appuyer(page, 'Enter');
  }
  await attendreTrace(journal, /"ev":"scene".*"nom":"intro"/);
}

// Escape at each story shot until the story gives way to the menu.
async function sauterHistoire(page, journal) {
  while (!journal.trace.some((l) => /"ev":"scene".*"nom":"menu"/.test(l))) {
    await appuyer(page, 'Escape');
    await pause(250);
  }
  await pause(500);
}

async function appuyer(page, touche, tenue = 60) {
  await page.keyboard.down(touche);
  await pause(tenue);
  await page.keyboard.up(touche);
}

// Pixels of the canvas that differ from the picture at `url` (decoded by the browser too).
function differences(page, url) {
  return page.evaluate(async (url) => {
    const image = new Image();
    image.src = url;
    await image.decode();
    const c = document.createElement('canvas');
    c.width = 640;
    c.height = 480;
    const ctx = c.getContext('2d');
    ctx.drawImage(image, 0, 0);
    const attendu = ctx.getImageData(0, 0, 640, 480).data;
    const vu = document.getElementById('canvas').getContext('2d').getImageData(0, 0, 640, 480).data;
    let n = 0;
    for (let i = 0; i < vu.length; i += 4)
      if (vu[i] !== attendu[i] || vu[i + 1] !== attendu[i + 1] || vu[i + 2] !== attendu[i + 2]) ++n;
    return n;
  }, url);
}

principal();

async function principal() {
  // The splash as the simulator shows it (its run stops at --temps-max: exit status 2).
  spawnSync('./simulateur', ['--scene', 'presentation', '--capture', '500:' + path.join(essais, 'splash.png'), '--temps-max', '600'],
            { cwd: run, stdio: 'ignore', env: Object.assign({}, process.env, { ASAN_OPTIONS: 'detect_leaks=0' }) });
  assert.ok(fs.existsSync(path.join(essais, 'splash.png')), 'the simulator wrote no capture');
  const serveur = await servir({ '/': site, '/essais/': essais, '/rejeux/': rejeux });
  base = 'http://127.0.0.1:' + serveur.address().port;
  navigateur = await lancer();
  try {
    await cas('the page loads, asks for a key before sound, starts on the splash with no console error, and the splash is the simulator\'s capture pixel for pixel', async () => {
      // Headless Chromium counts the page as already used, so its audio runs at once: here the
      // audio contexts start suspended until a key or a click, as a desktop browser's do.
      const { page, journal } = await ouvrir(navigateur, base + '/', () => {
        let geste = false;
        const marquer = () => { geste = true; };
        window.addEventListener('keydown', marquer, true);
        window.addEventListener('pointerdown', marquer, true);
        const Vrai = window.AudioContext;
        window.AudioContext = class extends Vrai {
          get state() { return geste ? super.state : 'suspended'; }
        };
      });
      await attendre(page, () => window.mirage.etat === 'geste');
      assert.match(await page.$eval('#message', (e) => e.textContent), /Press any key/);
      await appuyer(page, 'Space');
      await attendre(page, () => window.mirage.etat === 'jeu');
      assert.strictEqual(await page.evaluate(() => SDL.audioContext.state), 'running');
      await pause(800);
      assert.strictEqual(await differences(page, '/essais/splash.png'), 0);
      const style = await page.$eval('#canvas', (c) => [c.style.width, c.style.height, getComputedStyle(c).imageRendering]);
      assert.deepStrictEqual(style, ['1280px', '960px', 'pixelated']);  // 2x in a 1400x1000 window
      // F11 and Alt+Enter reach the game, which asks the page for its full screen and out of it;
      // the page's button does the same.
      const plein = () => document.fullscreenElement && document.fullscreenElement.id === 'scene';
      await appuyer(page, 'F11');
      await attendre(page, plein);
      assert.strictEqual(await page.$eval('#canvas', (c) => c.style.width), '1280px');
      await page.keyboard.down('Alt');
      await appuyer(page, 'Enter');
      await page.keyboard.up('Alt');
      await attendre(page, () => !document.fullscreenElement);
      await page.click('#plein-ecran');
      await attendre(page, plein);
      await page.evaluate(() => document.exitFullscreen());
      await page.setViewport({ width: 1000, height: 700 });
      await attendre(page, () => document.getElementById('canvas').style.width === '640px');
      await page.screenshot({ path: path.join(essais, 'page_splash.png') });
      assert.deepStrictEqual(journal.erreurs, []);
      await page.close();
    });

    await cas('the keyboard takes the game through the splash, the intro and the menu into level 1, where the ship fires, changes weapon and speed, with the music playing', async () => {
      // The music's state at its fade and at its release, noted as the game writes those events.
      const { page, journal } = await ouvrir(navigateur, base + '/?trace', () => {
        const log = console.log;
        window.musiques = [];
        console.log = function (ligne) {
          const m = /"ev":"musique".*"action":"(\w+)"/.exec(ligne);
          if (m) window.musiques.push([m[1], SDL.audioContext.state, !!(SDL.music.audio && !SDL.music.audio.paused), SDL.music.volume]);
          return log.apply(console, arguments);
        };
      });
      await passerPresentation(page, journal);
      await attendreTrace(journal, /"ev":"musique".*"action":"play"/);
      await sauterHistoire(page, journal);
      // The intro's music plays, fades from the skip on (the game releases it half-way through
      // its 1000 ms fade, when the menu starts): still playing at the fade's start, lower at
      // its release.
      const musiques = await page.evaluate(() => window.musiques);
      const [joue, fondu, libere] = ['play', 'fade', 'free'].map((a) => musiques.find((m) => m[0] === a));
      assert.deepStrictEqual(joue.slice(1, 3), ['running', true], JSON.stringify(musiques));
      assert.deepStrictEqual(fondu.slice(1, 4), ['running', true, 1], JSON.stringify(musiques));
      assert.ok(libere[2] && libere[3] > 0.3 && libere[3] < 0.7, JSON.stringify(musiques));
      await appuyer(page, 'Enter');
      await attendreTrace(journal, /"ev":"scene".*"nom":"niveau1"/);
      await attendreTrace(journal, /"ev":"arrivee"/, 60000);
      await page.keyboard.down('ArrowUp');
      await page.keyboard.down('g');
      await pause(1500);
      await page.keyboard.up('g');
      await page.keyboard.up('ArrowUp');
      // 'f' held long enough for the browser to repeat it: one press for the game, as on the desktop.
      await page.keyboard.down('f');
      await pause(60);
      await page.keyboard.down('f');
      await pause(60);
      await page.keyboard.up('f');
      await appuyer(page, 'd');
      await attendreTrace(journal, /"ev":"volee"/, 10000);
      const commandes = await attendreTrace(journal, /"ev":"commande".*"vitesse":2/, 10000);
      assert.match(journal.trace.find((l) => /"ev":"commande"/.test(l)), /"arme":1,.*"arme_avant":0/);
      assert.match(commandes, /"vitesse_avant":1/);
      assert.strictEqual(journal.trace.filter((l) => /"ev":"commande"/.test(l)).length, 2);
      await page.screenshot({ path: path.join(essais, 'page_niveau1.png') });
      assert.deepStrictEqual(journal.erreurs, []);
      await page.close();
    });

    await cas('a game recorded in the page (?enregistrer) is offered as a download and plays back in the page to the same trace', async () => {
      const { page, journal } = await ouvrir(navigateur, base + '/?enregistrer&trace');
      await passerPresentation(page, journal);
      await sauterHistoire(page, journal);
      await appuyer(page, 'Escape');
      await attendre(page, () => window.mirage.etat === 'fini', null, 30000);
      assert.ok(await page.$('#enregistrement[download]'));
      const octets = await page.evaluate(() => Array.from(Module.FS.readFile('/enregistrement.rej')));
      fs.writeFileSync(path.join(essais, 'partie.rej'), Buffer.from(octets));
      const enregistree = journal.trace.slice();
      await page.close();
      const lecture = await ouvrir(navigateur, base + '/?rejouer=/essais/partie.rej&trace');
      await attendre(lecture.page, () => window.mirage.etat === 'geste' || window.mirage.etat === 'fini', null, 120000);
      if (await lecture.page.evaluate(() => window.mirage.etat) === 'geste') await appuyer(lecture.page, 'Space');
      await attendre(lecture.page, () => window.mirage.etat === 'fini', null, 120000);
      assert.deepStrictEqual(lecture.journal.trace, enregistree);
      await lecture.page.close();
    });

    const sommes = fs.readFileSync(path.join(rejeux, 'sommes.txt'), 'utf8').trim().split('\n').map((l) => l.split(' '));
    for (const [nom, somme] of sommes) {
      await cas('the golden replay ' + nom + ' gives the desktop\'s trace in the browser', async () => {
        const { page, journal } = await ouvrir(navigateur, base + '/?rejouer=/rejeux/' + nom + '&trace');
        await attendre(page, () => window.mirage.etat === 'geste' || window.mirage.etat === 'fini' || window.mirage.etat === 'erreur', null, 120000);
        if (await page.evaluate(() => window.mirage.etat) === 'geste') await appuyer(page, 'Space');
        await attendre(page, () => window.mirage.etat === 'fini' || window.mirage.etat === 'erreur', null, 120000);
        assert.strictEqual(await page.evaluate(() => window.mirage.erreur), null);
        const vu = crypto.createHash('sha256').update(journal.trace.map((l) => l + '\n').join('')).digest('hex');
        assert.strictEqual(vu, somme, 'trace of ' + journal.trace.length + ' lines, ending ' + journal.trace.slice(-1));
        await page.close();
      });
    }

    await cas('a data package that cannot be downloaded gives the page\'s message, not a blank canvas', async () => {
      const { page } = await ouvrir(navigateur, base + '/sans-donnees/');
      await attendre(page, () => window.mirage.etat === 'erreur', null, 60000);
      assert.match(await page.$eval('#message', (e) => e.textContent), /data could not be downloaded/);
      assert.strictEqual(await page.$eval('#voile', (e) => e.hidden), false);
      await page.close();
    });
  } finally {
    await navigateur.close();
    serveur.close();
  }
  const echecs = resultats.filter(([, e]) => e);
  console.log(`${resultats.length - echecs.length}/${resultats.length} browser tests passed (screenshots in ${essais})`);
  process.exit(echecs.length ? 1 : 0);
}
