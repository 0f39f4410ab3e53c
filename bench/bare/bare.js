// SPDX-License-Identifier: MIT
// Opens the prompt, and answers each click on a button with a new text;
// kept for later visits by the game's own service worker.
'use strict';
{
    const prompt = document.getElementById('prompt');
    prompt.showModal();
    prompt.querySelector('input').select();
    let clicks = 0;
    for (const button of document.querySelectorAll('main > button')) {
        button.addEventListener('click', () => {
            document.getElementById('answer').textContent = `${button.textContent} ${++clicks}`;
        });
    }
    if ('serviceWorker' in navigator)
        addEventListener('load', () => navigator.serviceWorker.register('service-worker.js'));
}
