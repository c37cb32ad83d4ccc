INITSEL,ALL;
FILE,b.geo;
LISTLOG,1,b.gem,0;
FILE,vantrel123xyz.ses,0,0,0;
LISTLOG;
