// The calculator's page: the window's behaviour over the engine, the calculation compiled to
// WebAssembly. Exposes window.c3f8calc for users' scripts and the tests.
'use strict';

(function () {
    const OK = 0;
    const BUFFER_TOO_SMALL = 5;

    function fail(what, status) {
        throw new Error(what + ' failed with status ' + status);
    }

    // The engine's functions as JavaScript functions on strings and arrays.
    function wrap(m) {
        const heap = () => new DataView(m.HEAPU8.buffer);
        const scratch = m._malloc(64);

        // A copy of text in the engine's memory, as UTF-8 with its NUL; the caller frees it.
        function copyIn(text) {
            const size = m.lengthBytesUTF8(text) + 1;
            const pointer = m._malloc(size);
            m.stringToUTF8(text, pointer, size);
            return pointer;
        }

        function withText(text, use) {
            const pointer = copyIn(text);
            try {
                return use(pointer);
            } finally {
                m._free(pointer);
            }
        }

        // The limits and the layout of the C structs, as the engine was compiled.
        const layout = (item) => withText(item, (name) => {
            const status = m._c3f8_layout(name, scratch);
            if (status !== OK) fail('c3f8_layout ' + item, status);
            return Number(heap().getBigInt64(scratch, true));
        });
        const TEXT_MAX = layout('text_max');
        const POINTER = layout('pointer');
        const FIELD_INFO = { size: layout('c3f8_field_info'),
            name: layout('c3f8_field_info.name'), isInput: layout('c3f8_field_info.is_input') };
        const OUTCOME = { size: layout('c3f8_outcome'), values: layout('c3f8_outcome.values'),
            warnings: layout('c3f8_outcome.warnings'),
            failureKind: layout('c3f8_outcome.failure_kind'),
            failureField: layout('c3f8_outcome.failure_field') };

        const counts = new Int32Array(4);
        {
            const status = m._c3f8_counts(scratch, scratch + 4, scratch + 8, scratch + 12);
            if (status !== OK) fail('c3f8_counts', status);
            for (let i = 0; i < 4; ++i) counts[i] = heap().getInt32(scratch + 4 * i, true);
        }
        const names = [];
        const inputs = [];
        const info = m._malloc(FIELD_INFO.size);
        for (let i = 0; i < counts[0]; ++i) {
            const status = m._c3f8_field(i, info);
            if (status !== OK) fail('c3f8_field', status);
            names.push(m.UTF8ToString(heap().getUint32(info + FIELD_INFO.name, true)));
            if (heap().getInt32(info + FIELD_INFO.isInput, true)) inputs.push(names[i]);
        }
        m._free(info);
        const warnings = [];
        for (let w = 0; w < counts[1]; ++w) {
            const status = m._c3f8_warning(w, scratch, scratch + POINTER);
            if (status !== OK) fail('c3f8_warning', status);
            warnings.push(m.UTF8ToString(heap().getUint32(scratch, true)));
        }
        const results = names.slice(inputs.length);

        // Storage for one run, kept for the page's life: the engine keeps nothing between calls.
        const texts = m._malloc(results.length * TEXT_MAX);
        const outcome = m._malloc(OUTCOME.size);
        const needed = m._malloc(8);
        const inputPointers = m._malloc(inputs.length * POINTER);
        const message = m._malloc(TEXT_MAX * 2);

        // Runs one point from its input texts, as the window does from an empty window:
        // texts of the results reached (null for the others), the warnings decided (true,
        // false, or null where the run stopped first) and the failure with its message.
        // Calls use with the input texts laid out as the C array of pointers inputPointers,
        // and the separator's copy.
        function withInputs(inputTexts, separator, use) {
            const pointers = [];
            try {
                for (let i = 0; i < inputs.length; ++i) {
                    pointers.push(copyIn(String(inputTexts[i] ?? '')));
                    heap().setUint32(inputPointers + POINTER * i, pointers[i], true);
                }
                return withText(separator, use);
            } finally {
                pointers.forEach((p) => m._free(p));
            }
        }

        function calculate(inputTexts, separator) {
            const status = withInputs(inputTexts, separator, (sep) =>
                m._c3f8_calculate(inputPointers, sep, texts, BigInt(TEXT_MAX), outcome, needed));
            if (status !== OK) fail('c3f8_calculate', status);
            const view = heap();
            const run = { texts: [], warnings: [], failure: null };
            for (let i = 0; i < results.length; ++i) {
                const reached = !Number.isNaN(view.getFloat64(outcome + OUTCOME.values + 8 * i,
                    true));
                run.texts.push(reached ? m.UTF8ToString(texts + i * TEXT_MAX) : null);
            }
            for (let w = 0; w < warnings.length; ++w) {
                const decided = view.getInt8(outcome + OUTCOME.warnings + w);
                run.warnings.push(decided < 0 ? null : decided === 1);
            }
            const kind = view.getInt32(outcome + OUTCOME.failureKind, true);
            if (kind >= 0) {
                const field = view.getInt32(outcome + OUTCOME.failureField, true);
                const status = m._c3f8_failure_message(kind, field, message, BigInt(TEXT_MAX * 2),
                    needed);
                if (status !== OK) fail('c3f8_failure_message', status);
                run.failure = { field: names[field], message: m.UTF8ToString(message) };
            }
            return run;
        }

        // The reference equation's note for each result a run of inputTexts on the fits wrote
        // ('' for the others), in the notation of separator.
        let noteCapacity = TEXT_MAX * 2;
        let notes = m._malloc(results.length * noteCapacity);
        function referenceNotes(inputTexts, separator) {
            const call = () => withInputs(inputTexts, separator, (sep) =>
                m._c3f8web_reference_notes(inputPointers, sep, notes, BigInt(noteCapacity),
                    needed));
            let status = call();
            if (status === BUFFER_TOO_SMALL) { // room for the longest
                noteCapacity = Number(heap().getBigInt64(needed, true));
                m._free(notes);
                notes = m._malloc(results.length * noteCapacity);
                status = call();
            }
            if (status !== OK) fail('c3f8web_reference_notes', status);
            return results.map((_, i) => m.UTF8ToString(notes + i * noteCapacity));
        }

        // The items that input field offers in its list, in the notation of separator; none
        // for a plain field.
        function qualityItems(field, separator) {
            return withText(separator, (sep) => {
                const status = m._c3f8web_quality_items(names.indexOf(field), sep, message,
                    BigInt(TEXT_MAX * 2), needed);
                if (status !== OK) fail('c3f8web_quality_items', status);
                return m.UTF8ToString(message).split('\n').filter((item) => item !== '');
            });
        }

        function separatorUsable(separator) {
            return withText(separator, (sep) => {
                const status = m._c3f8web_separator_usable(sep, scratch);
                if (status !== OK) fail('c3f8web_separator_usable', status);
                return heap().getInt32(scratch, true) === 1;
            });
        }

        return { inputs, results, warnings, calculate, referenceNotes, qualityItems,
            separatorUsable };
    }

    // The decimal separator of the browser's language, where numbers can be written with it.
    function browserSeparator(engine) {
        const parts = new Intl.NumberFormat(navigator.language).formatToParts(0.5);
        const decimal = parts.find((part) => part.type === 'decimal');
        return decimal && engine.separatorUsable(decimal.value) ? decimal.value : '.';
    }

    const element = (id) => document.getElementById(id);
    const calculateButton = element('obl_b');
    const exitButton = element('exit_b');
    const dialog = element('failure');
    const status = element('status');
    const fields = [...document.querySelectorAll('#Panel input')];
    let runs = 0;
    let failedField = null; // the input the last failure names, where it names one

    // Every field starts empty, whatever the browser remembers of an earlier visit.
    for (const input of fields) input.value = '';
    element('tevap').focus();

    // A field's tooltip: its whole text where the box shows it cut (with an ellipsis), then
    // the note of the reference equation where it has one.
    const notes = new Map();
    function describe(field) {
        const cut = field.scrollWidth > field.clientWidth;
        const note = notes.get(field) ?? '';
        field.title = cut ? field.value + (note ? '\n' + note : '') : note;
    }
    for (const field of fields) field.addEventListener('input', () => describe(field));

    // Enter and Escape in a field need no handling: without a form, a field gives them no
    // meaning, while a field's open list still takes them to pick an item or close.
    exitButton.addEventListener('click', () => window.close());
    // After the message, the focus goes where the fix is: into the input it names. At once
    // when OK closes it, and again when the close event comes (after Escape, say), as closing
    // gives the focus back to OBLICZ before that event.
    function focusTheFix() {
        if (failedField) {
            failedField.focus();
            failedField.select();
        } else {
            calculateButton.focus();
        }
    }
    element('failure_ok').addEventListener('click', () => {
        dialog.close();
        focusTheFix();
    });
    dialog.addEventListener('close', focusTheFix);
    window.addEventListener('beforeprint', () => {
        element('printed').textContent = 'Wydrukowano ' + new Date().toLocaleString() + ', ' +
            location.href;
    });

    // The point in the address: "#v=1&tevap=-25&...", the inputs as typed, a plain number
    // written with a point and read back with the page's own separator, so that a link works
    // in a page of any language. Any other text keeps its points escaped, which tells it apart.
    const LINK_VERSION = '1';
    const plainNumber = (separator) =>
        new RegExp('^-?\\d+(?:' + separator.replace(/[.*+?^${}()|[\]\\]/g, '\\$&') +
            '\\d+)?$');

    function linkOf(engine, typed, separator) {
        const plain = plainNumber(separator);
        return '#v=' + LINK_VERSION + engine.inputs.map((id, i) => '&' + id + '=' +
            (plain.test(typed[i]) ? typed[i].replace(separator, '.')
                : encodeURIComponent(typed[i]).replace(/\./g, '%2E'))).join('');
    }

    // The inputs a link holds (missing ones empty), or null where it is no link of this page.
    function pointOf(engine, hash, separator) {
        const values = new Map();
        try {
            for (const part of hash.slice(1).split('&')) {
                const at = part.indexOf('=');
                if (at < 0) return null;
                values.set(decodeURIComponent(part.slice(0, at)), part.slice(at + 1));
            }
            if (values.get('v') !== LINK_VERSION) return null;
            const plain = plainNumber('.');
            return engine.inputs.map((id) => {
                const raw = values.get(id) ?? '';
                return plain.test(raw) ? raw.replace('.', separator) : decodeURIComponent(raw);
            });
        } catch {
            return null; // an escape that decodes to nothing
        }
    }

    // A run of the fields' texts. One from OBLICZ adds its link to the browser's history; one
    // that follows a link (opened, reloaded, or reached by back and forward) writes the page's
    // own form of it in place of the address, so that back and forward go through the runs.
    function show(engine, separator, event) {
        const typed = engine.inputs.map((id) => element(id).value);
        const run = engine.calculate(typed, separator);
        const referenceNotes = engine.referenceNotes(typed, separator);
        // A field keeps its text and its note together.
        engine.results.forEach((id, i) => {
            if (run.texts[i] === null) return;
            element(id).value = run.texts[i];
            notes.set(element(id), referenceNotes[i]);
        });
        for (const field of fields) describe(field);
        engine.warnings.forEach((id, w) => {
            if (run.warnings[w] !== null) element(id).hidden = !run.warnings[w];
        });
        runs += 1;
        status.classList.remove('said');
        status.textContent = run.failure
            ? 'Obliczenie nr ' + runs + ' przerwane.'
            : 'Obliczenie nr ' + runs + ' zakonczone, wyniki sa w polach wynikow.';
        if (event) api.lastRunMilliseconds = performance.now() - event.timeStamp;
        const link = linkOf(engine, typed, separator);
        if (!event) history.replaceState(null, '', link);
        else if (link !== location.hash) history.pushState(null, '', link);
        failedField = run.failure && engine.inputs.includes(run.failure.field)
            ? element(run.failure.field) : null;
        if (run.failure) {
            element('failure_message').textContent = run.failure.message;
            dialog.showModal(); // which focuses OK, the dialog's autofocus
        }
    }

    // The page as it opens: every field empty, no warning, no note.
    function clear(engine) {
        for (const input of fields) input.value = '';
        engine.warnings.forEach((id) => { element(id).hidden = true; });
        notes.clear();
        failedField = null;
        for (const field of fields) describe(field);
    }

    // Opens the point the address holds and runs it once; without one, the empty page.
    function follow(engine, separator) {
        clear(engine);
        if (location.hash.length <= 1) return;
        const point = pointOf(engine, location.hash, separator);
        if (!point) {
            status.textContent = 'Nie mozna odczytac punktu z linku; strona jest pusta.';
            status.classList.add('said');
            return;
        }
        engine.inputs.forEach((id, i) => { element(id).value = point[i]; });
        show(engine, separator, null);
    }

    const api = { ready: null, lastRunMilliseconds: null };
    window.c3f8calc = api;

    // The engine's script is loaded by the page's head, which gives its promise here.
    const engineLoaded = window.c3f8EngineLoaded;

    function start(module) {
        const engine = wrap(module);
        const separator = browserSeparator(engine);
        for (const id of engine.inputs) {
            const items = engine.qualityItems(id, separator);
            if (items.length === 0) continue;
            const list = element(id + '-items');
            for (const item of items) {
                const option = document.createElement('option');
                option.value = item;
                list.append(option);
            }
        }
        api.engine = engine;
        api.separator = separator;
        calculateButton.addEventListener('click', (event) => show(engine, separator, event));
        calculateButton.disabled = false;
        window.addEventListener('popstate', () => follow(engine, separator));
        // A text cut or not depends on the box's width and the faces: tell again when they change.
        window.addEventListener('resize', () => fields.forEach(describe));
        document.fonts.addEventListener('loadingdone', () => fields.forEach(describe));
        if (location.hash.length > 1) follow(engine, separator);
    }

    function withoutEngine(error) {
        calculateButton.hidden = true;
        exitButton.hidden = true;
        const said = element('no_engine');
        said.textContent = typeof WebAssembly === 'object'
            ? 'Nie udalo sie zaladowac silnika obliczen (c3f8engine.js), wiec kalkulator nie ' +
              'moze liczyc.'
            : 'Ta przegladarka nie obsluguje WebAssembly, wiec kalkulator nie moze liczyc.';
        said.hidden = false;
        throw error;
    }

    // Served over HTTPS or from this machine, the page can be installed and works offline.
    if ('serviceWorker' in navigator && window.isSecureContext &&
            location.protocol.startsWith('http')) {
        const manifest = document.createElement('link');
        manifest.rel = 'manifest';
        manifest.href = 'manifest.webmanifest';
        document.head.append(manifest);
        navigator.serviceWorker.register('service-worker.js').catch(() => {});
    }

    api.ready = engineLoaded.then(() => {
        if (!window.c3f8EngineReady) throw new Error('WebAssembly is not available');
        return window.c3f8EngineReady;
    }).then(start, withoutEngine).then(() =>
        // The page's three faces, loaded before the page counts as ready.
        Promise.all(['11px', 'bold 11px', 'italic bold 16px'].map((face) =>
            document.fonts.load(face + ' "C3F8 Sans"')))
    ).then(() => {
        if (document.activeElement === document.body) element('tevap').focus();
        performance.mark('c3f8-ready');
    });
    api.ready.catch(() => {});
})();
