INITSEL,ALL;
FILE,a.geo;
LISTLOG,1,a.gem,0;
FILE,vantrel123xyz.ses,0,0,0;
LISTLOG;
