// SPDX-License-Identifier: MIT
// Shows the name prompt the page holds as soon as the page is read, before
// the program has arrived: a player may type a name and confirm it at once,
// and the program takes that answer as its prompt's.
'use strict';
{
    const prompt = document.getElementById('early-prompt');
    prompt.showModal();
    prompt.querySelector('.field').select();
}
