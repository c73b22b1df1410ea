// The web driver's start under Node.js (emscripten's --pre-js).
(function () {
  if (typeof process !== 'object') return;
  // Built with WebAssembly tail calls (a step hands over to the step it resumes by one), which a
  // Node.js older than 20 knows only behind a flag: there the driver starts itself again with
  // the flag, passing its input, output and exit code through.
  const probe = new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0, 1, 4, 1, 96, 0, 0, 3, 2, 1, 0,
                                10, 6, 1, 4, 0, 18, 0, 11]);  // a function of one return_call
  const flag = '--experimental-wasm-return-call';
  if (!WebAssembly.validate(probe) && !process.execArgv.includes(flag)) {
    const run = require('child_process').spawnSync(process.execPath,
      [...process.execArgv, flag, ...process.argv.slice(1)], { stdio: 'inherit' });
    process.exit(run.status === null ? 1 : run.status);
  }
  // As the native driver's, the app folder is the driver's own folder unless one is given.
  const args = process.argv.slice(2);
  if (!args.includes('--app-folder')) Module['arguments'] = ['--app-folder', __dirname, ...args];
})();
