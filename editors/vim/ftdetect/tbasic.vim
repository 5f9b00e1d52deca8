autocmd BufRead,BufNewFile *.bas set filetype=tbasic
