dim
as
if
then
elseif
else
endif
end if
for
to
step
next
exitfor
exit for
continuefor
continue for
do
dowhile
do while
dountil
do until
loop
loopwhile
loop while
loopuntil
loop until
exitdo
exit do
continuedo
continue do
end
function
endfunction
end function
sub
endsub
end sub
byval
byref
return
print
input
rem
let
goto
gosub
abs(1)
sign(1)
int(1)
sqrt(1)
exp(1)
log(1)
log10(1)
rad(1)
deg(1)
sin(1)
cos(1)
tan(1)
asin(1)
acos(1)
atan(1)
sinh(1)
cosh(1)
tanh(1)
asinh(1)
acosh(1)
atanh(1)
sec(1)
csc(1)
pi(1)
random(1)
now(1)
str(1)
space(1)
tab(1)
ltrim(1)
rtrim(1)
trim(1)
len(1)
ucase(1)
lcase(1)
val(1)
isNumeric(1)
left(1)
right(1)
mid(1)
instr(1)
boolean
integer
double
string
date
time
datetime
mod
and
or
not
