' nothing here
REM nor here
// nor here
/* nor
here */
