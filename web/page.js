// The page around the game: loads it, shows the download's progress, asks for a key press when
// the browser wants one before it plays sound, scales the canvas by a whole number, switches to
// full screen, and turns every failure into one message instead of a blank canvas.
// Address options: ?rejouer=URL plays a replay, ?trace writes the trace to the console,
// ?enregistrer offers the game's recording as a download when the game ends.
'use strict';
(function () {
  var canvas = document.getElementById('canvas');
  var scene = document.getElementById('scene');
  var voile = document.getElementById('voile');
  var message = document.getElementById('message');
  var progres = document.getElementById('progres');
  var suite = document.getElementById('suite');
  var options = new URLSearchParams(location.search);
  var derniereErreur = '';
  var fini = false;

  // What the test harness and the figures read: the state of the page and of the game.
  var etat = window.mirage = { etat: 'chargement', erreur: null, premiereImage: null, debut: performance.now() };

  function montrer(texte, html) {
    voile.hidden = false;
    message.textContent = texte;
    suite.innerHTML = html || '';
  }

  function echouer(texte) {
    if (fini) return;
    fini = true;
    etat.etat = 'erreur';
    etat.erreur = texte;
    progres.hidden = true;
    montrer(texte, 'Reload the page to try again.');
  }

  // The largest whole scale at which the canvas fits, at least 1.
  function ajuster() {
    var k = Math.max(1, Math.floor(Math.min(scene.clientWidth / 640, scene.clientHeight / 480)));
    canvas.style.width = 640 * k + 'px';
    canvas.style.height = 480 * k + 'px';
    etat.echelle = k;
  }
  window.addEventListener('resize', ajuster);
  document.addEventListener('fullscreenchange', ajuster);
  ajuster();

  function basculerPleinEcran() {
    if (document.fullscreenElement) document.exitFullscreen().catch(function () {});
    else if (scene.requestFullscreen) scene.requestFullscreen().catch(function () {});
  }
  document.getElementById('plein-ecran').addEventListener('click', function (e) {
    basculerPleinEcran();
    e.currentTarget.blur();
    canvas.focus();
  });

  // The game's keys never scroll the page nor reach the browser's own shortcuts; F11 is the
  // game's (it asks for the page's full screen through Module.mirageBasculer).
  var gardees = { ArrowUp: 1, ArrowDown: 1, ArrowLeft: 1, ArrowRight: 1, Enter: 1, Escape: 1, F11: 1, ' ': 1, g: 1, f: 1, d: 1 };
  // The browser repeats a held key; SDL 1.2 on the desktop does not (the game never turns key
  // repeat on), so the repeats stop here, before the built-in SDL's listeners on the document.
  window.addEventListener('keydown', function (e) {
    if (gardees[e.key]) e.preventDefault();
    if (e.repeat) e.stopPropagation();
  }, true);

  // A download the game needs that fails surfaces as an error of emscripten's loader.
  function raison(texte) {
    texte = String(texte || '');
    var fichier = /mirage\.(data|wasm)/.exec(texte);
    if (fichier) return 'Mirage could not start: the game\'s ' + (fichier[1] === 'data' ? 'data' : 'code') +
                        ' could not be downloaded (' + texte + ').';
    return 'Mirage stopped: ' + (texte || 'a script failed') + '.';
  }
  window.addEventListener('error', function (e) { echouer(raison(e.message)); });
  window.addEventListener('unhandledrejection', function (e) {
    echouer(raison(e.reason && e.reason.message || e.reason));
  });

  if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
    echouer('Mirage needs WebAssembly, which this browser does not offer (or has turned off).');
    return;
  }

  var Module = window.Module = {
    canvas: canvas,
    noInitialRun: true,
    print: function (ligne) { console.log(ligne); },
    printErr: function (ligne) {
      derniereErreur = ligne;
      console.error(ligne);
    },
    setStatus: function (texte) {
      var m = /\((\d+(?:\.\d+)?)\/(\d+)\)/.exec(texte || '');
      if (m) progres.value = Number(m[1]) / Number(m[2]);
    },
    onAbort: function (quoi) {
      echouer('Mirage crashed: ' + (derniereErreur || quoi) + '.');
    },
    onExit: function (code) {
      if (code !== 0) echouer('Mirage stopped: ' + (derniereErreur || 'exit status ' + code) + '.');
    },
    mirageImage: function () {
      etat.premiereImage = performance.now();  // since the page's navigation started
      etat.etat = 'jeu';
      voile.hidden = true;
      ajuster();
    },
    mirageBasculer: basculerPleinEcran,
    mirageFin: function (enregistrement) {
      fini = true;
      etat.etat = 'fini';
      var lien = '';
      if (enregistrement) {
        var octets = Module.FS.readFile(enregistrement);
        var url = URL.createObjectURL(new Blob([octets], { type: 'application/octet-stream' }));
        lien = '<a id="enregistrement" href="' + url + '" download="mirage.rej">Download the recording of this game</a> ' +
               '(play it with <code>mirage --rejouer mirage.rej</code> or this page\'s <code>?rejouer=</code>).<br>';
        etat.enregistrement = octets.length;
      }
      montrer('The game has ended.', lien + '<a href="">Play again</a>');
    },
    onRuntimeInitialized: function () {
      progres.hidden = true;
      preparer().catch(function (e) { echouer('Mirage could not start: ' + e.message); });
    }
  };
  if (options.has('mesures')) Module.mirageMesures = etat.mesures = [];

  // The replay named in the address, fetched into the game's file system (gzip unpacked).
  function chargerRejeu(url) {
    return fetch(url).then(function (r) {
      if (!r.ok) throw new Error('the replay ' + url + ' cannot be downloaded (' + r.status + ')');
      return r.arrayBuffer();
    }).then(function (tampon) {
      var octets = new Uint8Array(tampon);
      if (octets[0] === 0x1f && octets[1] === 0x8b) {
        var flux = new Blob([octets]).stream().pipeThrough(new DecompressionStream('gzip'));
        return new Response(flux).arrayBuffer().then(function (b) { return new Uint8Array(b); });
      }
      return octets;
    }).then(function (octets) { Module.FS.writeFile('/rejeu.rej', octets); });
  }

  // The browser may keep sound off until the player presses a key or clicks: then one screen
  // asks for it, and the game starts after it, splash first.
  function geste() {
    var Contexte = window.AudioContext || window.webkitAudioContext;
    if (!Contexte) return Promise.resolve();
    var essai = new Contexte();
    var libre = essai.state === 'running';
    essai.close();
    if (libre) return Promise.resolve();
    etat.etat = 'geste';
    montrer('Press any key to start', 'Arrow keys steer, g fires, f and d change weapon and speed, Escape leaves.');
    return new Promise(function (fin) {
      function go(e) {
        if (e.type === 'keydown') e.preventDefault();
        window.removeEventListener('keydown', go, true);
        window.removeEventListener('pointerdown', go, true);
        fin();
      }
      window.addEventListener('keydown', go, true);
      window.addEventListener('pointerdown', go, true);
    });
  }

  function preparer() {
    var args = [];
    var attente = Promise.resolve();
    if (options.get('rejouer')) {
      attente = chargerRejeu(options.get('rejouer'));
      args.push('--rejouer', '/rejeu.rej');
    } else if (options.has('enregistrer')) {
      args.push('--enregistrer', '/enregistrement.rej');
    }
    if (options.has('trace')) args.push('--trace-console');
    return attente.then(geste).then(function () {
      montrer('');
      etat.etat = 'demarrage';
      canvas.focus();
      Module.callMain(args);
    });
  }

  var script = document.createElement('script');
  script.src = 'mirage.js';
  script.onerror = function () { echouer('Mirage could not be downloaded (mirage.js).'); };
  document.body.appendChild(script);
})();
